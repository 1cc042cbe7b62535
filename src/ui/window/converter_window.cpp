#include "ui/window/converter_window.h"

#include "halo/shadow_color.h"
#include "localisation/language_choice.h"
#include "locations/data_directory.h"
#include "locations/program_dir.h"
#include "locations/settings_directory.h"
#include "locations/user_settings_directory.h"
#include "ui/platform/fixed_window_hints.h"
#include "ui/program_identity.h"
#include "ui/shadow/halo_window.h"
#include "ui/shadow/window_shape.h"
#include "ui/widgets/auto_size_label.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>

#include <utility>

namespace mensurix {
namespace {

constexpr int ResultColumnWidth = 316;

} // namespace

ConverterWindow::ConverterWindow(ConverterWindowServices services)
    : services_(std::move(services)) {
    CreateComponents();
    ConnectHandlers();
    new FixedWindowHints(*this);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    Start();
}

ConverterWindow::~ConverterWindow() {
    ShutDown();
    delete shadow_;
    delete clipboardBox_;
}

void ConverterWindow::Start() {
    try {
        QGuiApplication::setApplicationDisplayName(ApplicationTitle);
        titleLabel_->SetCaption(ApplicationTitle);
        setAccessibleName(ApplicationTitle);
        const std::string programDir =
            services_.ProgramDir.empty() ? GetProgramDir() : services_.ProgramDir;
        dataDir_ = FindDataDirectory(programDir);
        settingsDir_ = FindSettingsDirectory(programDir, services_.UserSettingsDir.empty()
                                                             ? UserSettingsDirectory()
                                                             : services_.UserSettingsDir);
        resultTable_->setColumnWidth(1, ResultColumnWidth);
        results_.clear();
        ApplyWindowRegion();
        shadow_ = new HaloWindow();
        shadow_->SetOwnerForm(this);
        shadow_->SetShadowColor(MainWindowShadowColor);
        LoadCatalogue(dataDir_ + "Units.dat");
        LoadSettings();
        if (currentLanguage_ == LanguageNotChosen) {
            currentLanguage_ = DetectLanguage();
        }
        SwitchLanguage(currentLanguage_);
    } catch (const std::exception& error) {
        ReportError(error);
    }
}

void ConverterWindow::ShutDown() {
    if (destroyed_) {
        return;
    }
    destroyed_ = true;
    try {
        ClearCatalogue(unitCatalogue_);
        unitNames_.clear();
        results_.clear();
        SaveSettings();
    } catch (const std::exception& error) {
        ReportError(error);
    }
}

void ConverterWindow::ApplyWindowRegion() {
    setMask(RoundRectRegion(background_->x() + 1, background_->y() + 1,
                            background_->x() + background_->width(),
                            background_->y() + background_->height(), MainWindowCornerEllipse,
                            MainWindowCornerEllipse));
    winId();
}

void ConverterWindow::ReportError(const std::exception& error) const {
    QString message = QString::fromUtf8(error.what());
    // Like the framework's error box: a full stop after a message that does not end in one.
    if (!message.isEmpty() && message.back() > QLatin1Char('.')) {
        message += QLatin1Char('.');
    }
    services_.ReportError(message);
}

void ConverterWindow::showEvent(QShowEvent* event) {
    sourceUnitList_->setFocus();
    // The show event comes before the window system is asked to show the window; a halo shown
    // from here would be mapped, and drawn, before the window it belongs to.
    QMetaObject::invokeMethod(
        this, [this] { ShowShadow(isVisible()); }, Qt::QueuedConnection);
    QWidget::showEvent(event);
}

void ConverterWindow::hideEvent(QHideEvent* event) {
    ShowShadow(false);
    QWidget::hideEvent(event);
}

void ConverterWindow::ShowShadow(bool shown) {
    if (shadow_ != nullptr) {
        shadow_->SetShadowVisible(shown);
    }
}

void ConverterWindow::closeEvent(QCloseEvent* event) {
    delete shadow_;
    shadow_ = nullptr;
    QWidget::closeEvent(event);
}

} // namespace mensurix
