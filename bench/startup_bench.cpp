#include "bench_program_dir.h"
#include "ui/frm_convert.h"

#include <QApplication>
#include <QProcess>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

// Start-up to the first painted frame. The benchmark starts this same executable as a probe that
// opens either the converter or an empty window built the same way, and ends right after the
// window's first paint; the ratio of the two times is the converter's own start-up cost.
namespace {

constexpr const char* ProbeFlag = "--probe=";

class FirstPaintQuits : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }
};

int RunProbe(int argc, char* argv[], const char* mode) {
    QApplication application(argc, argv);
    FirstPaintQuits quitter;
    std::unique_ptr<QWidget> window;
    if (std::strcmp(mode, "converter") == 0) {
        mensurix::FrmConvertServices services;
        services.ProgramDir = argv[2];
        services.ReportError = [](const QString&) {};
        services.LocaleLanguageName = [] { return std::string("English"); };
        services.OpenUrl = [](const QString&) {};
        window = std::make_unique<mensurix::TFrmConvert>(std::move(services));
    } else {
        window = std::make_unique<QWidget>();
        window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        window->setFixedSize(610, 450);
    }
    window->installEventFilter(&quitter);
    window->show();
    return QApplication::exec();
}

const char* Self = nullptr;

void BM_StartupToFirstPaint(benchmark::State& state) {
    const bool converter = state.range(0) == 1;
    state.SetLabel(converter ? "converter" : "empty window");
    const BenchProgramDir programDir;
    const QStringList arguments = {QString(ProbeFlag) + (converter ? "converter" : "empty"),
                                   QString::fromStdString(programDir.Path())};
    for (auto _ : state) {
        QProcess probe;
        probe.start(QString::fromLocal8Bit(Self), arguments);
        if (!probe.waitForFinished(30000) || probe.exitCode() != 0) {
            state.SkipWithError("the probe did not start and paint");
            break;
        }
    }
}
BENCHMARK(BM_StartupToFirstPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (argc >= 2 && std::strncmp(argv[1], ProbeFlag, std::strlen(ProbeFlag)) == 0) {
        return RunProbe(argc, argv, argv[1] + std::strlen(ProbeFlag));
    }
    Self = argv[0];
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
