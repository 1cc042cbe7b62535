// The converter as a client of a real Wayland compositor, driven as a user drives it through the
// compositor's own seat: it opens, converts a typed value, copies a result with the result menu
// to the compositor's clipboard (read back by another client, wl-paste) and closes with its close
// button. A Wayland client cannot place a window of its own, so the halo stays hidden there.

#include "../../window_shadow.h"
#include "ui/window/converter_window.h"

#include <QAction>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace mensurix {
namespace {

constexpr int Patience = 5000;

// Runs a command beside the event loop, so that the program answers what the compositor asks
// of it meanwhile (input to acknowledge, the clipboard's contents); its output, nothing when it
// fails.
std::optional<QString> Output(const QString& command, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(command, arguments);
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, Patience)) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        return std::nullopt;
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Input through the compositor: xdotool drives the X window that weston's X11 backend shows its
// output in, so each event reaches the program as the seat's real input, with the serials the
// clipboard and popup menus are granted by.
class Seat {
public:
    // The kiosk shell centres a window of fixed size on its output.
    explicit Seat(const QWidget& window) : window_(window) {
        const QSize output = window.screen()->geometry().size();
        origin_ =
            QPoint((output.width() - window.width()) / 2, (output.height() - window.height()) / 2);
    }

    // Clicks a point of a widget of the window or of one of its popups, once the program knows
    // that the pointer is over it: the compositor may pass the pointer on only once it has
    // placed a surface.
    bool Click(const QWidget& target, QPoint point, int button) {
        const QPoint onOutput =
            origin_ + target.mapToGlobal(point) - window_.mapToGlobal(QPoint(0, 0));
        // A move with --sync to where the pointer already is would wait for ever.
        if (onOutput != pointer_ &&
            !Output("xdotool", Focus() << "mousemove"
                                       << "--sync" << QString::number(onOutput.x())
                                       << QString::number(onOutput.y()))) {
            return false;
        }
        pointer_ = onOutput;
        return QTest::qWaitFor([&] { return target.underMouse(); }, Patience) &&
               Output("xdotool", {"click", QString::number(button)});
    }

    bool Keys(const QStringList& keys) { return Output("xdotool", Focus() + keys).has_value(); }

private:
    static QStringList Focus() {
        return {"search", "--class", "Weston Compositor", "windowfocus", "--sync"};
    }

    const QWidget& window_;
    QPoint origin_;
    QPoint pointer_{-1, -1};
};

TEST(WaylandSession, OpensConvertsCopiesAndCloses) {
    ASSERT_EQ(QGuiApplication::platformName(), "wayland");
    QTemporaryDir dir;
    std::filesystem::copy(MENSURIX_DATA_DIR, dir.path().toStdString(),
                          std::filesystem::copy_options::recursive);
    ConverterWindowServices services;
    services.ProgramDir = QDir(dir.path()).absolutePath().toStdString() + "/";
    std::vector<QString> reported;
    services.ReportError = [&](const QString& message) { reported.push_back(message); };
    services.LocaleLanguageName = [] { return std::string("English"); };
    services.OpenUrl = [](const QString&) {};
    {
        ConverterWindow window(std::move(services));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        EXPECT_TRUE(reported.empty());
        Seat seat(window);

        auto* grid = window.findChild<QTableWidget*>("StringGridUnit");
        auto* value = window.findChild<QLineEdit*>("EditValue");
        ASSERT_TRUE(seat.Click(*value, value->rect().center(), 1));
        ASSERT_TRUE(QTest::qWaitFor([&] { return value->hasFocus(); }, Patience));
        ASSERT_TRUE(seat.Keys({"key", "ctrl+a", "type", "--delay", "30", "1234.5"}));
        // Length: the millimetre row.
        const int millimeter = 3;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return grid->item(millimeter, 1)->text() == "1,234,500"; }, Patience))
            << grid->item(millimeter, 1)->text().toStdString();

        ASSERT_TRUE(seat.Click(*grid->viewport(),
                               grid->visualItemRect(grid->item(millimeter, 1)).center(), 3));
        auto* menu = window.findChild<QMenu*>("PopupMenu1");
        ASSERT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }, Patience));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        ASSERT_TRUE(seat.Click(
            *menu, menu->actionGeometry(menu->findChild<QAction*>("PM_Copy")).center(), 1));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !menu->isVisible(); }, Patience));
        EXPECT_EQ(Output("wl-paste", {"--no-newline"}), "1,234,500");

        ASSERT_NE(WindowShadow(), nullptr);
        EXPECT_FALSE(WindowShadow()->isVisible());

        const QWidget* close = window.findChild<QWidget*>("BtnSysClose");
        ASSERT_TRUE(seat.Click(*close, close->rect().center(), 1));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, Patience));
        EXPECT_EQ(WindowShadow(), nullptr);
    }
    EXPECT_TRUE(QFile::exists(dir.filePath("options.ini")));
}

} // namespace
} // namespace mensurix
