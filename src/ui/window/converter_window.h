#pragma once

#include "catalogue/converted_value.h"
#include "catalogue/unit_catalogue.h"
#include "decimal/decimal_text.h"
#include "localisation/language_file.h"
#include "localisation/unit_names.h"
#include "settings/settings.h"
#include "ui/language/component_lookup.h"
#include "ui/language/property_registry.h"
#include "ui/shadow/main_window_outline.h"
#include "ui/window/converter_window_services.h"

#include <QPoint>
#include <QSize>
#include <QStringList>
#include <QWidget>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QCompleter;
class QHelpEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QModelIndex;
class QSpinBox;
class QStandardItemModel;
class QTableWidget;

namespace mensurix {

class HaloWindow;
class PictureButton;
class AutoSizeLabel;
class FadingSeparator;
class WebLinkLabel;

// The converter's only window. Its components carry the names that language files address;
// the handlers are thin: the arithmetic, the catalogue, the settings and the language files are
// read by the Qt-free core.
class ConverterWindow : public QWidget, public DesignedWindow {
    Q_OBJECT
public:
    // The window's designed client size; it is never made smaller.
    static constexpr QSize DesignedClientSize{MainWindowWidth, MainWindowHeight};

    explicit ConverterWindow(ConverterWindowServices services = DefaultServices());
    ~ConverterWindow() override;

    // Start-up and shut-down.
    void Start();
    void ShutDown();

    // Catalogue, conversion and selection.
    void LoadCatalogue(const std::string& fileName);
    void RecalculateTable(int fractionDigits);
    void CategoryChanged();
    void SourceUnitChanged();
    void ValueChanged();
    void FormatChanged();

    // Settings.
    void LoadSettings();
    void SaveSettings();
    void SaveSettingsBeforeSessionEnd();

    // Language.
    void ApplyMessages(const std::string& path);
    void ApplyLanguageFile(const std::string& path);
    void SwitchLanguage(std::uint8_t index);
    std::uint8_t DetectLanguage() const;
    void OpenLanguageMenu();
    void ChooseLanguage(QAction* item);

    // Window interaction.
    void MinimizeWindow();
    void CloseWindow();
    void ResultTablePressed(Qt::MouseButton button, const QPoint& position);
    void OpenCopyMenu(int row, const QPoint& globalPosition);
    void CopyShownValue();
    void CopyExactValue();
    void CopyWithoutSeparators();
    void CopyTable();
    void OpenHomepage(const QString& address);

    QSize DesignedSize() const override { return DesignedClientSize; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // A component and the name language files address it by.
    struct NamedComponent {
        const char* name;
        QObject* component;
    };
    static constexpr std::size_t ComponentCount = 34;

    void CreateComponents();
    std::array<NamedComponent, ComponentCount> NamedComponents() const;
    void ConnectHandlers();
    bool KeyboardEvent(QObject* watched, QEvent* event);
    bool StartValueWith(const QKeyEvent& key);
    void OpenCopyMenuAtCurrentCell();
    void ShowUnitNames(const UnitNames& names);
    void FillUnitSearch();
    void SelectFoundUnit(const QModelIndex& found);
    void SelectFirstFoundUnit();
    void ApplyWindowRegion();
    void ShowShadow(bool shown);
    void ReportError(const std::exception& error) const;
    void ShowCategoryCaption();
    QString CellText(int column, int row) const;
    void SetCellText(int column, int row, const QString& text);
    void WriteUnitName(int row);
    void WriteResults(int fractionDigits);
    void ShowStatus(const QString& message);
    bool DragWindow(QEvent* event);
    void CopyToClipboard(const QString& text) const;
    bool ShowExactValueTip(const QHelpEvent* event);
    bool CellIsCut(int row) const;
    void ExplainRejectedInput();

    ConverterWindowServices services_;

    // Components, in the order the form declares them.
    QComboBox* categoryList_ = nullptr;
    QComboBox* sourceUnitList_ = nullptr;
    QTableWidget* resultTable_ = nullptr;
    QLineEdit* valueBox_ = nullptr;
    QSpinBox* digitsBox_ = nullptr;
    QCheckBox* separatorsBox_ = nullptr;
    AutoSizeLabel* digitsLabel_ = nullptr;
    QLabel* background_ = nullptr;
    PictureButton* minimizeButton_ = nullptr;
    PictureButton* closeButton_ = nullptr;
    AutoSizeLabel* categoryLabel_ = nullptr;
    AutoSizeLabel* sourceUnitLabel_ = nullptr;
    FadingSeparator* headingSeparator_ = nullptr;
    AutoSizeLabel* categoryHeading_ = nullptr;
    AutoSizeLabel* resultLabel_ = nullptr;
    AutoSizeLabel* captionStrip_ = nullptr;
    WebLinkLabel* homepageLink_ = nullptr;
    AutoSizeLabel* copyrightLabel_ = nullptr;
    AutoSizeLabel* titleLabel_ = nullptr;
    AutoSizeLabel* statusLabel_ = nullptr;
    QMenu* copyMenu_ = nullptr;
    QAction* copyItem_ = nullptr;
    QAction* copyExactItem_ = nullptr;
    QAction* copyPlainItem_ = nullptr;
    QAction* copyTableItem_ = nullptr;
    QLineEdit* clipboardBox_ = nullptr; // no parent: a hidden helper that no reader should see
    AutoSizeLabel* languageLabel_ = nullptr;
    QMenu* languageMenu_ = nullptr;
    QActionGroup* languageGroup_ = nullptr;
    QAction* englishItem_ = nullptr;
    QAction* spanishItem_ = nullptr;
    QAction* germanItem_ = nullptr;
    QAction* italianItem_ = nullptr;
    QAction* frenchItem_ = nullptr;
    QLineEdit* searchBox_ = nullptr;
    QStandardItemModel* unitSearchModel_ = nullptr; // every unit as "Name (symbol) - Category"
    QCompleter* unitSearch_ = nullptr;

    // The window's own state.
    ComponentList components_;
    UnitCatalogue unitCatalogue_;
    std::vector<QStringList> unitNames_;  // the unit names in the interface language, per category
    std::vector<ConvertedValue> results_; // the exact values of the table's rows
    HaloWindow* shadow_ = nullptr;
    std::int32_t popupCellCol_ = 0;
    std::int32_t popupCellRow_ = 0;
    std::string dataDir_;     // Units.dat and Languages/
    std::string settingsDir_; // options.ini
    // Nothing is known before the settings are read; the user's own changes become known.
    SettingsKnown settingsKnown_{false, false, false, false};
    // What options.ini held when it was last read or written; a save writes only the changes.
    Settings settingsInFile_;
    std::uint8_t currentLanguage_ = 0;
    QAction* checkedLanguageItem_ = nullptr;
    LanguageMessages messages_; // the language file's texts, with defaults for missing ones
    bool destroyed_ = false;

    // The button with which the caption strip moves the window itself: one other than the left,
    // or any where the window system refuses a system move.
    Qt::MouseButton dragButton_ = Qt::NoButton;
    QPoint dragOffset_;
};

} // namespace mensurix
