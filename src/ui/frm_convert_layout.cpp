#include "ui/frm_convert.h"

#include "decimal/display_digits.h"
#include "ui/load_picture.h"
#include "ui/program_identity.h"
#include "ui/t_fixed_column_header.h"
#include "ui/t_image_button.h"
#include "ui/t_input_length_limit.h"
#include "ui/t_label.h"
#include "ui/t_separator.h"
#include "ui/t_url_label.h"

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

template <typename Widget> Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QAction* MenuItem(QMenu* menu, const char* name, const char* caption, int tag) {
    auto* item = Named(new QAction(QString::fromLatin1(caption), menu), name);
    item->setProperty("Tag", tag);
    menu->addAction(item);
    return item;
}

} // namespace

void TFrmConvert::CreateComponents() {
    setObjectName("FrmConvert");
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    setFixedSize(DesignedSize);
    setFont(InterfaceFont(11));

    // Creation order is stacking order: later labels lie above earlier ones, and the controls
    // above all labels.
    FS = Named(new QLabel(this), "FS");
    FS->setGeometry(0, 0, 610, 450);
    FS->setPixmap(LoadPicture(":/assets/background.jpg", "jpeg"));

    Label1 = new TLabel("Label1", this, TLabel::Sizing::Fixed);
    Label1->setGeometry(264, 34, 124, 33);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label1->setWordWrap(true);
    Label1->SetCaption("Max number of digits:");

    Label2 = new TLabel("Label2", this, TLabel::Sizing::Fixed);
    Label2->setGeometry(8, 34, 107, 33);
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label2->setWordWrap(true);
    Label2->SetCaption("Please select:");

    Label3 = new TLabel("Label3", this, TLabel::Sizing::AutoWidth);
    Label3->setGeometry(83, 128, 28, 13);
    Label3->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label3->SetCaption("From:");

    RzSeparator1 = new TSeparator("RzSeparator1", this, QColor(218, 232, 252));
    RzSeparator1->setGeometry(6, 72, 598, 1);

    RzLabel1 = new TLabel("RzLabel1", this, TLabel::Sizing::AutoWidth);
    RzLabel1->setGeometry(120, 80, 135, 34);
    RzLabel1->setFont(HeadingFont());
    QPalette headingPalette = RzLabel1->palette();
    headingPalette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    RzLabel1->setPalette(headingPalette);
    auto* textShadow = new QGraphicsDropShadowEffect(RzLabel1);
    textShadow->setOffset(2, 2);
    textShadow->setBlurRadius(0);
    textShadow->setColor(palette().color(QPalette::Dark));
    RzLabel1->setGraphicsEffect(textShadow);
    RzLabel1->SetCaption("Convert    ");

    Label4 = new TLabel("Label4", this, TLabel::Sizing::AutoWidth);
    Label4->setGeometry(95, 160, 16, 13);
    Label4->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label4->SetCaption("To:");

    // The status strip's design texts stand until a language file replaces them, also when
    // none can be applied.
    RzURLLabel2 = new TUrlLabel("RzURLLabel2", this);
    RzURLLabel2->setGeometry(30, 430, 168, 13);
    SetWhiteText(RzURLLabel2);
    RzURLLabel2->SetCaption(QStringLiteral("Homepage: ") + HomepageAddress);
    RzURLLabel2->SetUrl(HomepageAddress);

    Label6 = new TLabel("Label6", this, TLabel::Sizing::Fixed);
    Label6->setGeometry(359, 431, 239, 11);
    Label6->setFont(InterfaceFont(9));
    Label6->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetWhiteText(Label6);
    Label6->SetCaption(QStringLiteral("Copyright (C) ") + CopyrightHolderText);

    // Why a value was refused; while it speaks, it stands where the copyright line was.
    LabelStatus = new TLabel("LabelStatus", this, TLabel::Sizing::Fixed);
    LabelStatus->setGeometry(205, 429, 393, 15);
    LabelStatus->setFont(InterfaceFont(9));
    LabelStatus->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetWhiteText(LabelStatus);
    LabelStatus->hide();

    QFont boldFont = InterfaceFont(11);
    boldFont.setBold(true);
    Label7 = new TLabel("Label7", this, TLabel::Sizing::AutoWidth);
    Label7->setGeometry(50, 9, 1, 13);
    // The title is part of the caption strip that drags the window.
    Label7->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label7->setFont(boldFont);
    SetWhiteText(Label7);

    Label5 = new TLabel("Label5", this, TLabel::Sizing::Fixed);
    Label5->setGeometry(0, 0, 610, 28);

    Label28 = new TLabel("Label28", this, TLabel::Sizing::AutoWidth);
    Label28->setGeometry(443, 6, 76, 13);
    Label28->setFont(boldFont);
    Label28->setAlignment(Qt::AlignRight | Qt::AlignTop);
    SetWhiteText(Label28);
    Label28->SetCaption(">> Language");
    Label28->hide();
    Label28->setFocusPolicy(Qt::TabFocus);

    BtnSysClose =
        new TImageButton("BtnSysClose", this, ":/assets/close.png", ":/assets/close_hover.png");
    BtnSysClose->setGeometry(554, 1, 40, 20);
    BtnSysClose->setToolTip("Close");
    BtnSysClose->setAccessibleName("Close");

    BtnSysMinSize = new TImageButton("BtnSysMinSize", this, ":/assets/minimize.png",
                                     ":/assets/minimize_hover.png");
    BtnSysMinSize->setGeometry(527, 1, 27, 20);
    BtnSysMinSize->setToolTip("Minimize");
    BtnSysMinSize->setAccessibleName("Minimize");

    ComboBoxUnits = Named(new QComboBox(this), "ComboBoxUnits");
    ComboBoxUnits->setGeometry(120, 40, 137, 21);
    ComboBoxUnits->setMaxVisibleItems(40);

    ComboBoxFrom = Named(new QComboBox(this), "ComboBoxFrom");
    ComboBoxFrom->setGeometry(120, 124, 169, 21);
    ComboBoxFrom->setMaxVisibleItems(40);

    StringGridUnit = Named(new QTableWidget(1, 2, this), "StringGridUnit");
    StringGridUnit->setGeometry(120, 156, 474, 253);
    StringGridUnit->horizontalHeader()->hide();
    TFixedColumnHeader::Install(*StringGridUnit, GridDefaultColumnWidth);
    StringGridUnit->horizontalHeader()->setDefaultSectionSize(GridDefaultColumnWidth);
    StringGridUnit->verticalHeader()->setMinimumSectionSize(GridRowHeight);
    StringGridUnit->verticalHeader()->setDefaultSectionSize(GridRowHeight);
    StringGridUnit->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGridUnit->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGridUnit->setSelectionMode(QAbstractItemView::ContiguousSelection);
    StringGridUnit->setWordWrap(false);
    StringGridUnit->setTabKeyNavigation(false);
    // A value cut by the column shows that it is cut; its tooltip has it whole.
    StringGridUnit->setTextElideMode(Qt::ElideRight);
    StringGridUnit->viewport()->installEventFilter(this);

    EditValue = Named(new QLineEdit("1", this), "EditValue");
    EditValue->setGeometry(304, 124, 290, 21);
    TInputLengthLimit::Install(EditValue, ValueLengthLimit);

    SpinEditDec = Named(new QSpinBox(this), "SpinEditDec");
    SpinEditDec->setGeometry(392, 40, 43, 21);
    SpinEditDec->setRange(0, MaxFractionDigits);
    SpinEditDec->setValue(8);

    CheckBoxDouHao = Named(new QCheckBox("Thousand separators", this), "CheckBoxDouHao");
    CheckBoxDouHao->setGeometry(442, 42, 159, 17);

    EditClipboard = Named(new QLineEdit(), "EditClipboard");
    EditClipboard->setGeometry(304, 96, 33, 21);
    EditClipboard->hide();

    // A screen reader names each control by the label before it.
    Label2->setBuddy(ComboBoxUnits);
    Label1->setBuddy(SpinEditDec);
    Label3->setBuddy(ComboBoxFrom);
    Label4->setBuddy(StringGridUnit);

    // In the caption strip, between the title and the language link: the heading below grows
    // with the category's name.
    EditSearch = Named(new QLineEdit(this), "EditSearch");
    EditSearch->setGeometry(236, 4, 190, 20);
    EditSearch->setFont(InterfaceFont(9));
    EditSearch->setClearButtonEnabled(true);
    unitSearchModel_ = new QStandardItemModel(this);
    unitSearch_ = new QCompleter(unitSearchModel_, this);
    unitSearch_->setCaseSensitivity(Qt::CaseInsensitive);
    unitSearch_->setFilterMode(Qt::MatchContains);
    unitSearch_->setMaxVisibleItems(12);
    // Wide enough for a unit's name with its category's.
    unitSearch_->popup()->setMinimumWidth(340);
    EditSearch->setCompleter(unitSearch_);

    PopupMenu1 = Named(new QMenu(this), "PopupMenu1");
    PM_Copy = MenuItem(PopupMenu1, "PM_Copy", "Copy to clipboard", 0);
    PM_CopyExact = MenuItem(PopupMenu1, "PM_CopyExact", "Copy exact value", 0);
    PM_CopyPlain = MenuItem(PopupMenu1, "PM_CopyPlain", "Copy without separators", 0);
    PM_CopyTable = MenuItem(PopupMenu1, "PM_CopyTable", "Copy table", 0);

    PopupMenuView = Named(new QMenu(this), "PopupMenuView");
    LanguageGroup = new QActionGroup(PopupMenuView);
    PM_English = MenuItem(PopupMenuView, "PM_English", "English", 0);
    PM_Spanish = MenuItem(PopupMenuView, "PM_Spanish", "Spanish", 1);
    PM_German = MenuItem(PopupMenuView, "PM_German", "German", 2);
    PM_Italian = MenuItem(PopupMenuView, "PM_Italian", "Italian", 3);
    PM_French = MenuItem(PopupMenuView, "PM_French", "French", 4);
    for (QAction* item : {PM_English, PM_Spanish, PM_German, PM_Italian, PM_French}) {
        item->setCheckable(true);
        LanguageGroup->addAction(item);
    }
    PM_English->setChecked(true);
    checkedLanguageItem_ = PM_English;

    setTabOrder(ComboBoxUnits, SpinEditDec);
    setTabOrder(SpinEditDec, CheckBoxDouHao);
    setTabOrder(CheckBoxDouHao, ComboBoxFrom);
    setTabOrder(ComboBoxFrom, EditValue);
    setTabOrder(EditValue, StringGridUnit);
    setTabOrder(StringGridUnit, BtnSysMinSize);
    setTabOrder(BtnSysMinSize, BtnSysClose);
    setTabOrder(BtnSysClose, Label28);
    setTabOrder(Label28, EditSearch);

    components_ = ComponentList(
        this,
        {ComboBoxUnits, ComboBoxFrom, StringGridUnit, EditValue,     SpinEditDec, CheckBoxDouHao,
         Label1,        FS,           BtnSysMinSize,  BtnSysClose,   Label2,      Label3,
         RzSeparator1,  RzLabel1,     Label4,         Label5,        RzURLLabel2, Label6,
         Label7,        PopupMenu1,   PM_Copy,        EditClipboard, Label28,     PopupMenuView,
         PM_English,    PM_Spanish,   PM_German,      PM_Italian,    PM_French,   PM_CopyExact,
         PM_CopyPlain,  PM_CopyTable, LabelStatus,    EditSearch});
}

} // namespace mensurix
