#include "cli/cli_program.h"
#include "cli/console.h"
#include "locations/data_directory.h"
#include "locations/program_dir.h"

int main(int argc, char** argv) {
    using namespace mensurix;
    const CliResult result = RunCli(CommandLineArguments(argc, argv), [] {
        return FindDataDirectory(GetProgramDir()) + "Units.dat";
    });
    const bool delivered = WriteToConsole(ConsoleStream::Output, result.Output);
    WriteToConsole(ConsoleStream::Error, result.Errors);
    if (!delivered) {
        WriteToConsole(ConsoleStream::Error,
                       "mensurix-cli: the result could not be written to standard output\n");
        return result.Status == 0 ? 1 : result.Status;
    }
    return result.Status;
}
