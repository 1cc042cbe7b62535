#include "bench_program_dir.h"
#include "catalogue/catalogue_reader.h"
#include "ui/window/converter_window.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>

#include <benchmark/benchmark.h>

namespace {

const BenchProgramDir& ProgramDir() {
    static const BenchProgramDir programDir;
    return programDir;
}

mensurix::ConverterWindowServices BenchServices() {
    mensurix::ConverterWindowServices services;
    services.ProgramDir = ProgramDir().Path();
    services.ReportError = [](const QString&) {};
    services.LocaleLanguageName = [] { return std::string("English"); };
    services.OpenUrl = [](const QString&) {};
    return services;
}

// The category with the most units, selected as a user would.
int SelectLargestCategory(mensurix::ConverterWindow& window) {
    const auto catalogue = mensurix::ReadCatalogueFile(ProgramDir().Path() + "Units.dat");
    std::size_t largest = 0;
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        if (catalogue[i].Units.size() > catalogue[largest].Units.size()) {
            largest = i;
        }
    }
    auto* units = window.findChild<QComboBox*>("ComboBoxUnits");
    units->setCurrentIndex(static_cast<int>(largest));
    window.CategoryChanged();
    return static_cast<int>(catalogue.at(largest).Units.size());
}

// One keystroke in the value box: the whole table recalculated and the grid repainted.
void BM_KeystrokeLargestCategory(benchmark::State& state) {
    mensurix::ConverterWindow window(BenchServices());
    window.show();
    state.counters["units"] = SelectLargestCategory(window);
    auto* value = window.findChild<QLineEdit*>("EditValue");
    auto* grid = window.findChild<QTableWidget*>("StringGridUnit");
    const QString texts[2] = {"12345678901234567890", "12345678901234567891"};
    int i = 0;
    for (auto _ : state) {
        value->setText(texts[i ^= 1]);
        grid->viewport()->repaint();
    }
    window.close();
}
BENCHMARK(BM_KeystrokeLargestCategory)->Unit(benchmark::kMicrosecond);

// A pasted number of the edit box's maximum length through the largest category.
void BM_PastedMaximumLengthNumber(benchmark::State& state) {
    mensurix::ConverterWindow window(BenchServices());
    window.show();
    SelectLargestCategory(window);
    auto* value = window.findChild<QLineEdit*>("EditValue");
    QString texts[2] = {QString(32767, '7'), QString(32767, '3')};
    texts[1][16000] = '.';
    int i = 0;
    for (auto _ : state) {
        value->setText(texts[i ^= 1]);
    }
    window.close();
}
BENCHMARK(BM_PastedMaximumLengthNumber)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
