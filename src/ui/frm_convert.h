#pragma once

#include "catalogue/converted_value.h"
#include "catalogue/unit_catalogue.h"
#include "decimal/decimal_text.h"
#include "localisation/language_file.h"
#include "localisation/unit_names.h"
#include "settings/settings.h"
#include "ui/component_lookup.h"
#include "ui/frm_convert_services.h"

#include <QPoint>
#include <QSize>
#include <QStringList>
#include <QWidget>

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

class TFormShadow;
class TImageButton;
class TLabel;
class TSeparator;
class TUrlLabel;

// The converter's only window. Its components carry the names that language files address;
// the handlers are thin: the arithmetic, the catalogue, the settings and the language files are
// read by the Qt-free core.
class TFrmConvert : public QWidget {
    Q_OBJECT
public:
    // The window's designed client size; it is never made smaller.
    static constexpr QSize DesignedSize{610, 450};

    explicit TFrmConvert(FrmConvertServices services = DefaultServices());
    ~TFrmConvert() override;

    // Start-up and shut-down.
    void FormCreate();
    void FormDestroy();

    // Catalogue, conversion and selection.
    void LoadCatalogue(const std::string& fileName);
    void RecalculateTable(int fractionDigits);
    void ComboBoxUnitsChange();
    void ComboBoxFromChange();
    void EditValueChange();
    void SpinEditDecChange();

    // Settings.
    void LoadSettings();
    void SaveSettings();
    void SaveSettingsBeforeSessionEnd();

    // Language.
    void ApplyMessages(const std::string& path);
    void ApplyLanguageFile(const std::string& path);
    void SwitchLanguage(std::uint8_t index);
    std::uint8_t DetectLanguage() const;
    void Label28Click();
    void PM_EnglishClick(QAction* item);

    // Window interaction.
    void BtnSysMinSizeClick();
    void BtnSysCloseClick();
    void StringGridUnitMouseDown(Qt::MouseButton button, const QPoint& position);
    void OpenCopyMenu(int row, const QPoint& globalPosition);
    void PM_CopyClick();
    void PM_CopyExactClick();
    void PM_CopyPlainClick();
    void PM_CopyTableClick();
    void RzURLLabel2Click(const QString& address);

    const std::string& ProgramDir() const { return programDir_; }
    const std::vector<ConvertedValue>& Results() const { return results_; }
    const UnitCatalogue& Catalogue() const { return unitCatalogue_; }
    std::uint8_t CurrentLanguage() const { return currentLanguage_; }
    TFormShadow* Shadow() const { return shadow_; }
    QPoint PopupCell() const { return {popupCellCol_, popupCellRow_}; }
    const ComponentList& Components() const { return components_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateComponents();
    void ConnectHandlers();
    bool KeyboardEvent(QObject* watched, QEvent* event);
    bool StartValueWith(const QKeyEvent& key);
    void OpenCopyMenuAtCurrentCell();
    void ShowUnitNames(const UnitNames& names);
    void FillUnitSearch();
    void SelectFoundUnit(const QModelIndex& found);
    void SelectFirstFoundUnit();
    void ApplyWindowRegion();
    void WMShowWindow(bool shown);
    void ReportError(const std::exception& error) const;
    void ShowCategoryCaption();
    QString CellText(int column, int row) const;
    void SetCellText(int column, int row, const QString& text);
    void WriteUnitName(int row);
    void WriteResults(int fractionDigits);
    void ShowStatus(const QString& message);
    bool Label5MouseEvent(QEvent* event);
    void CopyToClipboard(const QString& text) const;
    bool ShowExactValueTip(const QHelpEvent* event);
    bool CellIsCut(int row) const;
    void EditValueInputRejected();

    FrmConvertServices services_;

    // Components, in the order the form declares them.
    QComboBox* ComboBoxUnits = nullptr;
    QComboBox* ComboBoxFrom = nullptr;
    QTableWidget* StringGridUnit = nullptr;
    QLineEdit* EditValue = nullptr;
    QSpinBox* SpinEditDec = nullptr;
    QCheckBox* CheckBoxDouHao = nullptr;
    TLabel* Label1 = nullptr;
    QLabel* FS = nullptr;
    TImageButton* BtnSysMinSize = nullptr;
    TImageButton* BtnSysClose = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TSeparator* RzSeparator1 = nullptr;
    TLabel* RzLabel1 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TUrlLabel* RzURLLabel2 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label7 = nullptr;
    TLabel* LabelStatus = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* PM_Copy = nullptr;
    QAction* PM_CopyExact = nullptr;
    QAction* PM_CopyPlain = nullptr;
    QAction* PM_CopyTable = nullptr;
    QLineEdit* EditClipboard = nullptr; // no parent: a hidden helper that no reader should see
    TLabel* Label28 = nullptr;
    QMenu* PopupMenuView = nullptr;
    QActionGroup* LanguageGroup = nullptr;
    QAction* PM_English = nullptr;
    QAction* PM_Spanish = nullptr;
    QAction* PM_German = nullptr;
    QAction* PM_Italian = nullptr;
    QAction* PM_French = nullptr;
    QLineEdit* EditSearch = nullptr;
    QStandardItemModel* unitSearchModel_ = nullptr; // every unit as "Name (symbol) - Category"
    QCompleter* unitSearch_ = nullptr;

    // The window's own state.
    ComponentList components_;
    UnitCatalogue unitCatalogue_;
    std::vector<QStringList> unitNames_;  // the unit names in the interface language, per category
    std::vector<ConvertedValue> results_; // the exact values of the table's rows
    TFormShadow* shadow_ = nullptr;
    std::int32_t popupCellCol_ = 0;
    std::int32_t popupCellRow_ = 0;
    std::string programDir_;
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
