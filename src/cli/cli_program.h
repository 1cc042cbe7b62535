#pragma once

#include <functional>
#include <string>
#include <vector>

namespace mensurix {

// What one run writes and the status it ends with: 0 done, 1 a conversion or look-up failed,
// 2 the command line is wrong. Nothing goes to the output when the run fails.
struct CliResult {
    int Status = 0;
    std::string Output;
    std::string Errors;
};

// Runs the command line given as the UTF-8 arguments after the program name.
// `installedCataloguePath` is asked only when the command line names no catalogue.
CliResult RunCli(const std::vector<std::string>& arguments,
                 const std::function<std::string()>& installedCataloguePath);

} // namespace mensurix
