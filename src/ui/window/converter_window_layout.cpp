#include "ui/window/converter_window.h"

#include "decimal/display_digits.h"
#include "ui/load_picture.h"
#include "ui/program_identity.h"
#include "ui/widgets/auto_size_label.h"
#include "ui/widgets/fading_separator.h"
#include "ui/widgets/fixed_column_header.h"
#include "ui/widgets/input_length_limit.h"
#include "ui/widgets/picture_button.h"
#include "ui/widgets/web_link_label.h"

#include <QAbstractItemView>
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFontDatabase>
#include <QGraphicsDropShadowEffect>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableWidget>

namespace mensurix {
namespace {

constexpr int GridRowHeight = 18;
constexpr int GridDefaultColumnWidth = 165;
// Long enough for any number a user means, short enough that a stray paste stays quick.
constexpr int ValueLengthLimit = 32767;

// The first of the families that is installed. Resolved once: a list of families would be
// searched again, missing ones included, for every text the window measures. A family's styles
// are one look-up in the font database's family list, where QFontDatabase::hasFamily would have
// fontconfig rewrite each name and the database load every installed family's styles first.
QString InstalledFamily(const QStringList& preferred) {
    for (const QString& family : preferred) {
        if (!QFontDatabase::styles(family).isEmpty()) {
            return family;
        }
    }
    return QFont().family();
}

// Tahoma where it is installed; elsewhere faces of similar width, so that every text keeps
// fitting its box.
QFont InterfaceFont(int pixelSize) {
    static const QString family =
        InstalledFamily({"Tahoma", "Verdana", "DejaVu Sans Condensed", "Liberation Sans Narrow",
                         "Arial", "Liberation Sans", "Nimbus Sans", "DejaVu Sans"});
    QFont font(family);
    font.setPixelSize(pixelSize);
    return font;
}

QFont HeadingFont() {
    static const QString family =
        InstalledFamily({"Arial", "Liberation Sans", "Nimbus Sans", "DejaVu Sans"});
    QFont font(family);
    font.setPixelSize(27);
    font.setBold(true);
    font.setItalic(true);
    font.setUnderline(true);
    return font;
}

void SetWhiteText(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    widget->setPalette(palette);
}

QAction* MenuItem(QMenu* menu, const char* caption, int tag) {
    auto* item = new QAction(QString::fromLatin1(caption), menu);
    item->setProperty("Tag", tag);
    menu->addAction(item);
    return item;
}

} // namespace

void ConverterWindow::CreateComponents() {
    setObjectName("FrmConvert");
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    setFixedSize(DesignedClientSize);
    setFont(InterfaceFont(11));

    // Creation order is stacking order: later labels lie above earlier ones, and the controls
    // above all labels.
    background_ = new QLabel(this);
    background_->setGeometry(QRect(QPoint(), DesignedClientSize));
    background_->setPixmap(LoadPicture(":/assets/background.jpg", "jpeg"));

    digitsLabel_ = new AutoSizeLabel(this, AutoSizeLabel::Sizing::Fixed);
    digitsLabel_->setGeometry(264, 34, 124, 33);
    digitsLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    digitsLabel_->setWordWrap(true);
    digitsLabel_->SetCaption("Max number of digits:");

    categoryLabel_ = new AutoSizeLabel(this, AutoSizeLabel::Sizing::Fixed);
    categoryLabel_->setGeometry(8, 34, 107, 33);
    categoryLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    categoryLabel_->setWordWrap(true);
    categoryLabel_->SetCaption("Please select:");

    sourceUnitLabel_ = new AutoSizeLabel(this, AutoSizeLabel::Sizing::AutoWidth);
    sourceUnitLabel_->setGeometry(83, 128, 28, 13);
    sourceUnitLabel_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    sourceUnitLabel_->SetCaption("From:");

    headingSeparator_ = new FadingSeparator(this, QColor(218, 232, 252));
    headingSeparator_->setGeometry(6, 72, 598, 1);

    categoryHeading_ = new AutoSizeLabel(this, AutoSizeLabel::Sizing::AutoWidth);
    categoryHeading_->setGeometry(120, 80, 135, 34);
    categoryHeading_->setFont(HeadingFont());
    QPalette headingPalette = categoryHeading_->palette();
    headingPalette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    categoryHeading_->setPalette(headingPalette);
    auto* textShadow = new QGraphicsDropShadowEffect(categoryHeading_);
    textShadow->setOffset(2, 2);
    textShadow->setBlurRadius(0);
    textShadow->setColor(palette().color(QPalette::Dark));
    categoryHeading_->setGraphicsEffect(textShadow);
    categoryHeading_->SetCaption("Convert    ");

    resultLabel_ = new AutoSizeLabel(this, AutoSizeLabel::Sizing::AutoWidth);
    resultLabel_->setGeometry(95, 160, 16, 13);
    resultLabel_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    resultLabel_->SetCaption("To:");

    // The status strip's design texts stand until a language file replaces them, also when
    // none can be applied.
    homepageLink_ = new WebLinkLabel(this);
    homepageLink_->setGeometry(30, 430, 168, 13);
    SetWhiteText(homepageLink_);
    homepageLink_->SetCaption(QStringLiteral("Homepage: ") + HomepageAddress);
    homepageLink_->SetUrl(HomepageAddress);

    copyrightLabel_ = new AutoSizeLabel(this, AutoSizeLabel::Sizing::Fixed);
    copyrightLabel_->setGeometry(359, 431, 239, 11);
    copyrightLabel_->setFont(InterfaceFont(9));
    copyrightLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetWhiteText(copyrightLabel_);
    copyrightLabel_->SetCaption(QStringLiteral("Copyright (C) ") + CopyrightHolderText);

    // Why a value was refused; while it speaks, it stands where the copyright line was.
    statusLabel_ = new AutoSizeLabel(this, AutoSizeLabel::Sizing::Fixed);
    statusLabel_->setGeometry(205, 429, 393, 15);
    statusLabel_->setFont(InterfaceFont(9));
    statusLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetWhiteText(statusLabel_);
    statusLabel_->hide();

    QFont boldFont = InterfaceFont(11);
    boldFont.setBold(true);
    titleLabel_ = new AutoSizeLabel(this, AutoSizeLabel::Sizing::AutoWidth);
    titleLabel_->setGeometry(50, 9, 1, 13);
    // The title is part of the caption strip that drags the window.
    titleLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);
    titleLabel_->setFont(boldFont);
    SetWhiteText(titleLabel_);

    captionStrip_ = new AutoSizeLabel(this, AutoSizeLabel::Sizing::Fixed);
    captionStrip_->setGeometry(0, 0, 610, 28);

    languageLabel_ = new AutoSizeLabel(this, AutoSizeLabel::Sizing::AutoWidth);
    languageLabel_->setGeometry(443, 6, 76, 13);
    languageLabel_->setFont(boldFont);
    languageLabel_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    SetWhiteText(languageLabel_);
    languageLabel_->SetCaption(">> Language");
    languageLabel_->hide();
    languageLabel_->setFocusPolicy(Qt::TabFocus);

    closeButton_ = new PictureButton(this, ":/assets/close.png", ":/assets/close_hover.png");
    closeButton_->setGeometry(554, 1, 40, 20);
    closeButton_->setToolTip("Close");
    closeButton_->setAccessibleName("Close");

    minimizeButton_ =
        new PictureButton(this, ":/assets/minimize.png", ":/assets/minimize_hover.png");
    minimizeButton_->setGeometry(527, 1, 27, 20);
    minimizeButton_->setToolTip("Minimize");
    minimizeButton_->setAccessibleName("Minimize");

    categoryList_ = new QComboBox(this);
    categoryList_->setGeometry(120, 40, 137, 21);
    categoryList_->setMaxVisibleItems(40);

    sourceUnitList_ = new QComboBox(this);
    sourceUnitList_->setGeometry(120, 124, 169, 21);
    sourceUnitList_->setMaxVisibleItems(40);

    resultTable_ = new QTableWidget(1, 2, this);
    resultTable_->setGeometry(120, 156, 474, 253);
    resultTable_->horizontalHeader()->hide();
    FixedColumnHeader::Install(*resultTable_, GridDefaultColumnWidth);
    resultTable_->horizontalHeader()->setDefaultSectionSize(GridDefaultColumnWidth);
    resultTable_->verticalHeader()->setMinimumSectionSize(GridRowHeight);
    resultTable_->verticalHeader()->setDefaultSectionSize(GridRowHeight);
    resultTable_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    resultTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    resultTable_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    resultTable_->setWordWrap(false);
    resultTable_->setTabKeyNavigation(false);
    // A value cut by the column shows that it is cut; its tooltip has it whole.
    resultTable_->setTextElideMode(Qt::ElideRight);
    resultTable_->viewport()->installEventFilter(this);

    valueBox_ = new QLineEdit("1", this);
    valueBox_->setGeometry(304, 124, 290, 21);
    InputLengthLimit::Install(valueBox_, ValueLengthLimit);

    digitsBox_ = new QSpinBox(this);
    digitsBox_->setGeometry(392, 40, 43, 21);
    digitsBox_->setRange(0, MaxFractionDigits);
    digitsBox_->setValue(8);

    separatorsBox_ = new QCheckBox("Thousand separators", this);
    separatorsBox_->setGeometry(442, 42, 159, 17);

    clipboardBox_ = new QLineEdit();
    clipboardBox_->setGeometry(304, 96, 33, 21);
    clipboardBox_->hide();

    // A screen reader names each control by the label before it.
    categoryLabel_->setBuddy(categoryList_);
    digitsLabel_->setBuddy(digitsBox_);
    sourceUnitLabel_->setBuddy(sourceUnitList_);
    resultLabel_->setBuddy(resultTable_);

    // In the caption strip, between the title and the language link: the heading below grows
    // with the category's name.
    searchBox_ = new QLineEdit(this);
    searchBox_->setGeometry(236, 4, 190, 20);
    searchBox_->setFont(InterfaceFont(9));
    searchBox_->setClearButtonEnabled(true);
    unitSearchModel_ = new QStandardItemModel(this);
    unitSearch_ = new QCompleter(unitSearchModel_, this);
    unitSearch_->setCaseSensitivity(Qt::CaseInsensitive);
    unitSearch_->setFilterMode(Qt::MatchContains);
    unitSearch_->setMaxVisibleItems(12);
    // Wide enough for a unit's name with its category's.
    unitSearch_->popup()->setMinimumWidth(340);
    searchBox_->setCompleter(unitSearch_);

    copyMenu_ = new QMenu(this);
    copyItem_ = MenuItem(copyMenu_, "Copy to clipboard", 0);
    copyExactItem_ = MenuItem(copyMenu_, "Copy exact value", 0);
    copyPlainItem_ = MenuItem(copyMenu_, "Copy without separators", 0);
    copyTableItem_ = MenuItem(copyMenu_, "Copy table", 0);

    languageMenu_ = new QMenu(this);
    languageGroup_ = new QActionGroup(languageMenu_);
    englishItem_ = MenuItem(languageMenu_, "English", 0);
    spanishItem_ = MenuItem(languageMenu_, "Spanish", 1);
    germanItem_ = MenuItem(languageMenu_, "German", 2);
    italianItem_ = MenuItem(languageMenu_, "Italian", 3);
    frenchItem_ = MenuItem(languageMenu_, "French", 4);
    for (QAction* item : {englishItem_, spanishItem_, germanItem_, italianItem_, frenchItem_}) {
        item->setCheckable(true);
        languageGroup_->addAction(item);
    }
    englishItem_->setChecked(true);
    checkedLanguageItem_ = englishItem_;

    setTabOrder(categoryList_, digitsBox_);
    setTabOrder(digitsBox_, separatorsBox_);
    setTabOrder(separatorsBox_, sourceUnitList_);
    setTabOrder(sourceUnitList_, valueBox_);
    setTabOrder(valueBox_, resultTable_);
    setTabOrder(resultTable_, minimizeButton_);
    setTabOrder(minimizeButton_, closeButton_);
    setTabOrder(closeButton_, languageLabel_);
    setTabOrder(languageLabel_, searchBox_);

    std::vector<QObject*> listed;
    for (const auto& [name, component] : NamedComponents()) {
        component->setObjectName(QString::fromLatin1(name));
        listed.push_back(component);
    }
    components_ = ComponentList(this, std::move(listed));
}

// Each component once, in the order the form declares them, with the name language files address
// it by.
std::array<ConverterWindow::NamedComponent, ConverterWindow::ComponentCount>
ConverterWindow::NamedComponents() const {
    return {{
        {"ComboBoxUnits", categoryList_},
        {"ComboBoxFrom", sourceUnitList_},
        {"StringGridUnit", resultTable_},
        {"EditValue", valueBox_},
        {"SpinEditDec", digitsBox_},
        {"CheckBoxDouHao", separatorsBox_},
        {"Label1", digitsLabel_},
        {"FS", background_},
        {"BtnSysMinSize", minimizeButton_},
        {"BtnSysClose", closeButton_},
        {"Label2", categoryLabel_},
        {"Label3", sourceUnitLabel_},
        {"RzSeparator1", headingSeparator_},
        {"RzLabel1", categoryHeading_},
        {"Label4", resultLabel_},
        {"Label5", captionStrip_},
        {"RzURLLabel2", homepageLink_},
        {"Label6", copyrightLabel_},
        {"Label7", titleLabel_},
        {"PopupMenu1", copyMenu_},
        {"PM_Copy", copyItem_},
        {"EditClipboard", clipboardBox_},
        {"Label28", languageLabel_},
        {"PopupMenuView", languageMenu_},
        {"PM_English", englishItem_},
        {"PM_Spanish", spanishItem_},
        {"PM_German", germanItem_},
        {"PM_Italian", italianItem_},
        {"PM_French", frenchItem_},
        {"PM_CopyExact", copyExactItem_},
        {"PM_CopyPlain", copyPlainItem_},
        {"PM_CopyTable", copyTableItem_},
        {"LabelStatus", statusLabel_},
        {"EditSearch", searchBox_},
    }};
}

} // namespace mensurix
