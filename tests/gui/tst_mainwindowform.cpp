// The main window's form as built on a plain window: every member, its place
// in the tree, its properties and the state right after setupUi.

#include "ui_mainwindow.h"

#include <QtCore/private/qhooks_p.h>
#include <QtTest>

#include <cstddef>
#include <cstring>

namespace {

struct Member
{
    const char *name;
    std::size_t offset;
    const char *className;
    const char *parent; // object name of the parent; the window is "MainWindow"
};

#define MEMBER(name, cls, parent)                                                                  \
    {                                                                                              \
#name, offsetof(Ui_MainWindow, name), #cls, parent                                         \
    }

// Declared order of the form's members.
const Member kMembers[] = {
    MEMBER(action_Inhalt, QAction, "MainWindow"),
    MEMBER(actionI_nfo, QAction, "MainWindow"),
    MEMBER(actionBeenden, QAction, "MainWindow"),
    MEMBER(centralWidget, QWidget, "MainWindow"),
    MEMBER(verticalLayoutWidget, QWidget, "centralWidget"),
    MEMBER(verticalLayout, QVBoxLayout, "verticalLayoutWidget"),
    MEMBER(groupBox, QGroupBox, "verticalLayoutWidget"),
    MEMBER(graphicLabel_drosvane, QLabel, "groupBox"),
    MEMBER(widget, QWidget, "verticalLayoutWidget"),
    MEMBER(gridLayoutWidget_2, QWidget, "widget"),
    MEMBER(gridLayout, QGridLayout, "gridLayoutWidget_2"),
    MEMBER(groupBox_5, QGroupBox, "gridLayoutWidget_2"),
    MEMBER(gridLayoutWidget_5, QWidget, "groupBox_5"),
    MEMBER(gridLayout_4, QGridLayout, "gridLayoutWidget_5"),
    MEMBER(checkBoxLinkCSS, QCheckBox, "gridLayoutWidget_5"),
    MEMBER(scrollBarTunerAddr, QScrollBar, "gridLayoutWidget_5"),
    MEMBER(labelTunerAddr, QLabel, "gridLayoutWidget_5"),
    MEMBER(groupBox_3, QGroupBox, "gridLayoutWidget_2"),
    MEMBER(gridLayoutWidget_3, QWidget, "groupBox_3"),
    MEMBER(gridLayout_2, QGridLayout, "gridLayoutWidget_3"),
    MEMBER(labelSHF, QLabel, "gridLayoutWidget_3"),
    MEMBER(scrollBarSHF, QScrollBar, "gridLayoutWidget_3"),
    MEMBER(groupBox_4, QGroupBox, "gridLayoutWidget_2"),
    MEMBER(gridLayoutWidget_4, QWidget, "groupBox_4"),
    MEMBER(gridLayout_3, QGridLayout, "gridLayoutWidget_4"),
    MEMBER(scrollBarBandpassfreq, QScrollBar, "gridLayoutWidget_4"),
    MEMBER(labelBandpassfreq, QLabel, "gridLayoutWidget_4"),
    MEMBER(widget_6, QWidget, "gridLayoutWidget_2"),
    MEMBER(horizontalLayoutWidget_3, QWidget, "widget_6"),
    MEMBER(horizontalLayout_3, QHBoxLayout, "horizontalLayoutWidget_3"),
    MEMBER(groupBox_7, QGroupBox, "horizontalLayoutWidget_3"),
    MEMBER(verticalLayoutWidget_2, QWidget, "groupBox_7"),
    MEMBER(verticalLayout_2, QVBoxLayout, "verticalLayoutWidget_2"),
    MEMBER(button_scr1284, QRadioButton, "verticalLayoutWidget_2"),
    MEMBER(button_scr1400, QRadioButton, "verticalLayoutWidget_2"),
    MEMBER(button_scr1516, QRadioButton, "verticalLayoutWidget_2"),
    MEMBER(button_scr1632, QRadioButton, "verticalLayoutWidget_2"),
    MEMBER(button_scr1748, QRadioButton, "verticalLayoutWidget_2"),
    MEMBER(button_scr1864, QRadioButton, "verticalLayoutWidget_2"),
    MEMBER(button_scr1980, QRadioButton, "verticalLayoutWidget_2"),
    MEMBER(button_scr2096, QRadioButton, "verticalLayoutWidget_2"),
    MEMBER(verticalSpacer, QSpacerItem, "verticalLayout_2"),
    MEMBER(groupBox_8, QGroupBox, "horizontalLayoutWidget_3"),
    MEMBER(verticalLayoutWidget_3, QWidget, "groupBox_8"),
    MEMBER(verticalLayout_3, QVBoxLayout, "verticalLayoutWidget_3"),
    MEMBER(button_css974, QRadioButton, "verticalLayoutWidget_3"),
    MEMBER(button_css1076, QRadioButton, "verticalLayoutWidget_3"),
    MEMBER(button_css1178, QRadioButton, "verticalLayoutWidget_3"),
    MEMBER(button_css1280, QRadioButton, "verticalLayoutWidget_3"),
    MEMBER(button_css1382, QRadioButton, "verticalLayoutWidget_3"),
    MEMBER(button_css1484, QRadioButton, "verticalLayoutWidget_3"),
    MEMBER(button_css1586, QRadioButton, "verticalLayoutWidget_3"),
    MEMBER(button_css1688, QRadioButton, "verticalLayoutWidget_3"),
    MEMBER(button_css1790, QRadioButton, "verticalLayoutWidget_3"),
    MEMBER(button_css1892, QRadioButton, "verticalLayoutWidget_3"),
    MEMBER(button_css1994, QRadioButton, "verticalLayoutWidget_3"),
    MEMBER(button_css2096, QRadioButton, "verticalLayoutWidget_3"),
    MEMBER(verticalSpacer_2, QSpacerItem, "verticalLayout_3"),
    MEMBER(widget_3, QWidget, "gridLayoutWidget_2"),
    MEMBER(groupBox_2, QGroupBox, "widget_3"),
    MEMBER(horizontalLayoutWidget_2, QWidget, "groupBox_2"),
    MEMBER(horizontalLayout_2, QHBoxLayout, "horizontalLayoutWidget_2"),
    MEMBER(comboBoxPol, QComboBox, "horizontalLayoutWidget_2"),
    MEMBER(comboBoxBand, QComboBox, "horizontalLayoutWidget_2"),
    MEMBER(comboBoxPos, QComboBox, "horizontalLayoutWidget_2"),
    MEMBER(groupBoxPinCode, QGroupBox, "gridLayoutWidget_2"),
    MEMBER(gridLayoutWidget_6, QWidget, "groupBoxPinCode"),
    MEMBER(gridLayout_6, QGridLayout, "gridLayoutWidget_6"),
    MEMBER(scrollBarPincode, QScrollBar, "gridLayoutWidget_6"),
    MEMBER(labelPincode, QLabel, "gridLayoutWidget_6"),
    MEMBER(widget_2, QWidget, "verticalLayoutWidget"),
    MEMBER(gridLayoutWidget, QWidget, "widget_2"),
    MEMBER(formLayout, QFormLayout, "gridLayoutWidget"),
    MEMBER(label, QLabel, "gridLayoutWidget"),
    MEMBER(lineEditZf, QLineEdit, "gridLayoutWidget"),
    MEMBER(label_2, QLabel, "gridLayoutWidget"),
    MEMBER(lineEditCmdA, QLineEdit, "gridLayoutWidget"),
    MEMBER(label_3, QLabel, "gridLayoutWidget"),
    MEMBER(lineEditCmdB, QLineEdit, "gridLayoutWidget"),
    MEMBER(buttonBox, QDialogButtonBox, "verticalLayoutWidget"),
    MEMBER(menuBar, QMenuBar, "MainWindow"),
    MEMBER(menu_Datei, QMenu, "menuBar"),
    MEMBER(menuHilfe, QMenu, "menuBar"),
    MEMBER(statusBar, QStatusBar, "MainWindow"),
    MEMBER(buttonGroup, QButtonGroup, "MainWindow"),
};

void *memberValue(const Ui_MainWindow &ui, std::size_t offset)
{
    void *value;
    std::memcpy(&value, reinterpret_cast<const char *>(&ui) + offset, sizeof value);
    return value;
}

bool isSpacer(const Member &member)
{
    return qstrcmp(member.className, "QSpacerItem") == 0;
}

QVector<QObject *> *constructionLog = nullptr;

void logConstruction(QObject *object)
{
    if (constructionLog)
        constructionLog->append(object);
}

// A window with the form built on it; records every QObject that setupUi
// constructs, in order.
struct Form
{
    QMainWindow window;
    Ui_MainWindow ui;
    QVector<QObject *> constructed;

    Form()
    {
        constructionLog = &constructed;
        const quintptr previous = qtHookData[QHooks::AddQObject];
        qtHookData[QHooks::AddQObject] = reinterpret_cast<quintptr>(&logConstruction);
        ui.setupUi(&window);
        qtHookData[QHooks::AddQObject] = previous;
        constructionLog = nullptr;
    }

    template <typename T = QWidget> T *find(const QString &name) const
    {
        T *object = window.findChild<T *>(name);
        if (!object)
            qWarning() << "no object named" << name;
        return object;
    }
};

QString describeItem(QLayoutItem *item)
{
    if (QSpacerItem *spacer = item->spacerItem()) {
        const QSizePolicy policy = spacer->sizePolicy();
        return QStringLiteral("spacer %1x%2 %3/%4")
            .arg(spacer->sizeHint().width())
            .arg(spacer->sizeHint().height())
            .arg(policy.horizontalPolicy())
            .arg(policy.verticalPolicy());
    }
    return item->widget() ? item->widget()->objectName() : QStringLiteral("?");
}

// Items of a layout in the order they were added, with their grid cells or
// form roles.
QStringList describeLayout(QLayout *layout)
{
    QStringList items;
    for (int i = 0; i < layout->count(); ++i) {
        QString text = describeItem(layout->itemAt(i));
        if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
            int row, column, rowSpan, columnSpan;
            grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
            text +=
                QStringLiteral(" @%1,%2 %3x%4").arg(row).arg(column).arg(rowSpan).arg(columnSpan);
        } else if (auto *form = qobject_cast<QFormLayout *>(layout)) {
            int row;
            QFormLayout::ItemRole role;
            form->getItemPosition(i, &row, &role);
            text += QStringLiteral(" @%1 %2").arg(row).arg(
                role == QFormLayout::LabelRole ? "label" : "field");
        }
        items << text;
    }
    return items;
}

bool hasPixelNear(const QImage &image, QColor colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (qAbs(pixel.red() - colour.red()) < 40 &&
                qAbs(pixel.green() - colour.green()) < 40 &&
                qAbs(pixel.blue() - colour.blue()) < 40)
                return true;
        }
    return false;
}

} // namespace

class TestMainWindowForm : public QObject
{
    Q_OBJECT

private slots:
    void holdsEveryMemberInDeclaredOrder();
    void members_data();
    void members();
    void constructsInMemberOrder();
    void namesTheWindowOnlyWhenUnnamed();
    void geometry_data();
    void geometry();
    void mainColumnKeepsItsPlaceWhenTheWindowGrows();
    void layouts_data();
    void layouts();
    void scrollBars_data();
    void scrollBars();
    void sizeLimits();
    void textFields_data();
    void textFields();
    void commandColours();
    void headerAndGroups();
    void menusAndStatusBar();
    void oneExclusiveGroupAcrossBothLists();
    void stateRightAfterSetup();
    void pinGroupEnablesItsControls();
};

void TestMainWindowForm::holdsEveryMemberInDeclaredOrder()
{
    QCOMPARE(std::size(kMembers), std::size_t(85));
    QCOMPARE(sizeof(Ui_MainWindow), 85 * sizeof(void *));
    for (std::size_t i = 0; i < std::size(kMembers); ++i)
        QCOMPARE(kMembers[i].offset, i * sizeof(void *));
}

void TestMainWindowForm::members_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(kMembers)); ++i)
        QTest::newRow(kMembers[i].name) << i;
}

void TestMainWindowForm::members()
{
    QFETCH(int, index);
    const Member &member = kMembers[index];
    Form form;
    void *value = memberValue(form.ui, member.offset);
    QVERIFY(value);

    if (isSpacer(member)) {
        auto *layout = form.find<QLayout>(member.parent);
        QVERIFY(layout);
        QCOMPARE(static_cast<void *>(layout->itemAt(layout->count() - 1)->spacerItem()), value);
        return;
    }
    auto *object = static_cast<QObject *>(value);
    QCOMPARE(object->objectName(), QString::fromLatin1(member.name));
    QCOMPARE(object->metaObject()->className(), member.className);
    QVERIFY(object->parent());
    QCOMPARE(object->parent()->objectName(), QString::fromLatin1(member.parent));
}

void TestMainWindowForm::constructsInMemberOrder()
{
    Form form;
    QStringList expected;
    for (const Member &member : kMembers) {
        if (isSpacer(member) || qstrcmp(member.name, "buttonGroup") == 0)
            continue;
        expected << member.name;
        // The group comes into being with its first button.
        if (qstrcmp(member.name, "button_scr1284") == 0)
            expected << "buttonGroup";
    }
    QSet<QObject *> members;
    for (const Member &member : kMembers) {
        if (!isSpacer(member))
            members.insert(static_cast<QObject *>(memberValue(form.ui, member.offset)));
    }
    QStringList constructed;
    for (QObject *object : qAsConst(form.constructed)) {
        if (members.contains(object))
            constructed << object->objectName();
    }
    QCOMPARE(constructed, expected);
}

void TestMainWindowForm::namesTheWindowOnlyWhenUnnamed()
{
    Form unnamed;
    QCOMPARE(unnamed.window.objectName(), QStringLiteral("MainWindow"));

    QMainWindow named;
    named.setObjectName("mine");
    Ui_MainWindow ui;
    ui.setupUi(&named);
    QCOMPARE(named.objectName(), QStringLiteral("mine"));
}

void TestMainWindowForm::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("verticalLayoutWidget") << "verticalLayoutWidget" << QRect(9, 9, 541, 591);
    QTest::newRow("graphicLabel_drosvane") << "graphicLabel_drosvane" << QRect(5, 2, 531, 61);
    QTest::newRow("gridLayoutWidget_2") << "gridLayoutWidget_2" << QRect(-1, -11, 531, 391);
    QTest::newRow("gridLayoutWidget_5") << "gridLayoutWidget_5" << QRect(10, 10, 251, 51);
    QTest::newRow("gridLayoutWidget_3") << "gridLayoutWidget_3" << QRect(10, 9, 281, 51);
    QTest::newRow("gridLayoutWidget_4") << "gridLayoutWidget_4" << QRect(10, 10, 251, 51);
    QTest::newRow("horizontalLayoutWidget_3")
        << "horizontalLayoutWidget_3" << QRect(-1, -1, 261, 301);
    QTest::newRow("verticalLayoutWidget_2") << "verticalLayoutWidget_2" << QRect(9, 19, 111, 271);
    QTest::newRow("verticalLayoutWidget_3") << "verticalLayoutWidget_3" << QRect(9, 19, 111, 278);
    QTest::newRow("groupBox_2") << "groupBox_2" << QRect(0, 10, 361, 51);
    QTest::newRow("horizontalLayoutWidget_2") << "horizontalLayoutWidget_2" << QRect(9, 9, 341, 41);
    QTest::newRow("gridLayoutWidget_6") << "gridLayoutWidget_6" << QRect(10, 10, 281, 51);
    QTest::newRow("gridLayoutWidget") << "gridLayoutWidget" << QRect(9, 0, 521, 81);
}

void TestMainWindowForm::geometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    Form form;
    form.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form.window));
    QCOMPARE(form.find(name)->geometry(), geometry);
}

void TestMainWindowForm::mainColumnKeepsItsPlaceWhenTheWindowGrows()
{
    Form form;
    QCOMPARE(form.window.size(), QSize(561, 657));
    QCOMPARE(form.ui.menuBar->geometry(), QRect(0, 0, 561, 21));
    form.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form.window));
    form.window.resize(900, 900);
    QTRY_COMPARE(form.ui.menuBar->width(), 900);
    QCOMPARE(form.ui.verticalLayoutWidget->geometry(), QRect(9, 9, 541, 591));
    QCOMPARE(form.ui.centralWidget->layout(), nullptr);
}

void TestMainWindowForm::layouts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QStringList>("items");

    const QString spacer =
        QStringLiteral("spacer 20x40 %1/%2").arg(QSizePolicy::Minimum).arg(QSizePolicy::Expanding);
    QStringList list1, list2;
    for (int f = 1284; f <= 2096; f += 116)
        list1 << QStringLiteral("button_scr%1").arg(f);
    for (int f = 974; f <= 2096; f += 102)
        list2 << QStringLiteral("button_css%1").arg(f);

    QTest::newRow("verticalLayout")
        << "verticalLayout"
        << "QVBoxLayout" << QStringList{"groupBox", "widget", "widget_2", "buttonBox"};
    QTest::newRow("gridLayout") << "gridLayout"
                                << "QGridLayout"
                                << QStringList{"groupBox_5 @3,0 1x1", "groupBox_3 @1,0 1x1",
                                               "groupBox_4 @2,0 1x1", "widget_6 @1,1 4x1",
                                               "widget_3 @0,0 1x2",   "groupBoxPinCode @4,0 1x1"};
    QTest::newRow("gridLayout_4") << "gridLayout_4"
                                  << "QGridLayout"
                                  << QStringList{"checkBoxLinkCSS @0,2 1x1",
                                                 "scrollBarTunerAddr @0,0 1x1",
                                                 "labelTunerAddr @0,1 1x1"};
    QTest::newRow("gridLayout_2") << "gridLayout_2"
                                  << "QGridLayout"
                                  << QStringList{"labelSHF @0,1 1x1", "scrollBarSHF @0,0 1x1"};
    QTest::newRow("gridLayout_3") << "gridLayout_3"
                                  << "QGridLayout"
                                  << QStringList{"scrollBarBandpassfreq @0,0 1x1",
                                                 "labelBandpassfreq @0,1 1x1"};
    QTest::newRow("horizontalLayout_3") << "horizontalLayout_3"
                                        << "QHBoxLayout" << QStringList{"groupBox_7", "groupBox_8"};
    QTest::newRow("verticalLayout_2") << "verticalLayout_2"
                                      << "QVBoxLayout" << (list1 << spacer);
    QTest::newRow("verticalLayout_3") << "verticalLayout_3"
                                      << "QVBoxLayout" << (list2 << spacer);
    QTest::newRow("horizontalLayout_2")
        << "horizontalLayout_2"
        << "QHBoxLayout" << QStringList{"comboBoxPol", "comboBoxBand", "comboBoxPos"};
    QTest::newRow("gridLayout_6") << "gridLayout_6"
                                  << "QGridLayout"
                                  << QStringList{"scrollBarPincode @0,0 1x1",
                                                 "labelPincode @0,1 1x1"};
    QTest::newRow("formLayout") << "formLayout"
                                << "QFormLayout"
                                << QStringList{"label @0 label",   "lineEditZf @0 field",
                                               "label_2 @1 label", "lineEditCmdA @1 field",
                                               "label_3 @2 label", "lineEditCmdB @2 field"};
}

void TestMainWindowForm::layouts()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QStringList, items);
    Form form;
    auto *layout = form.find<QLayout>(name);
    QVERIFY(layout);
    QCOMPARE(layout->metaObject()->className(), className.toLatin1());
    QCOMPARE(describeLayout(layout), items);
    QCOMPARE(layout->contentsMargins(), QMargins(0, 0, 0, 0));
    if (auto *formLayout = qobject_cast<QFormLayout *>(layout)) {
        QCOMPARE(formLayout->horizontalSpacing(), 6);
        QCOMPARE(formLayout->verticalSpacing(), 6);
        QCOMPARE(formLayout->labelAlignment(), Qt::AlignRight | Qt::AlignVCenter);
    } else {
        QCOMPARE(layout->spacing(), 6);
    }
    for (int i = 0; i < layout->count(); ++i) {
        QCOMPARE(layout->itemAt(i)->alignment(), Qt::Alignment());
        if (auto *box = qobject_cast<QBoxLayout *>(layout))
            QCOMPARE(box->stretch(i), 0);
    }
}

void TestMainWindowForm::scrollBars_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("pageStep");
    QTest::newRow("scrollBarTunerAddr") << "scrollBarTunerAddr" << 1 << 32 << 1;
    QTest::newRow("scrollBarSHF") << "scrollBarSHF" << 11700 << 12750 << 50;
    QTest::newRow("scrollBarBandpassfreq") << "scrollBarBandpassfreq" << 950 << 2150 << 10;
    QTest::newRow("scrollBarPincode") << "scrollBarPincode" << 0 << 255 << 10;
}

void TestMainWindowForm::scrollBars()
{
    QFETCH(QString, name);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, pageStep);
    Form form;
    auto *bar = form.find<QScrollBar>(name);
    QCOMPARE(bar->minimum(), minimum);
    QCOMPARE(bar->maximum(), maximum);
    QCOMPARE(bar->orientation(), Qt::Horizontal);
    QCOMPARE(bar->minimumSize(), QSize(120, 0));
    QCOMPARE(bar->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(bar->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(bar->sizePolicy().horizontalStretch(), 0);

    bar->setEnabled(true);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(bar->value(), minimum + pageStep);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(bar->value(), minimum + pageStep + 1);
}

void TestMainWindowForm::sizeLimits()
{
    Form form;
    const Ui_MainWindow &ui = form.ui;
    QCOMPARE(ui.labelTunerAddr->sizePolicy().horizontalPolicy(), QSizePolicy::Maximum);
    QCOMPARE(ui.labelTunerAddr->sizePolicy().verticalPolicy(), QSizePolicy::Preferred);
    QCOMPARE(ui.labelTunerAddr->minimumSize(), QSize(20, 0));
    QCOMPARE(ui.widget_3->sizePolicy().horizontalPolicy(), QSizePolicy::Preferred);
    QCOMPARE(ui.widget_3->sizePolicy().verticalPolicy(), QSizePolicy::Preferred);
    QCOMPARE(ui.widget_3->baseSize(), QSize(0, 0));
    QCOMPARE(ui.groupBox->maximumSize(), QSize(QWIDGETSIZE_MAX, 75));
    QCOMPARE(ui.widget->minimumSize(), QSize(0, 390));
    QCOMPARE(ui.comboBoxPos->maximumSize(), QSize(75, QWIDGETSIZE_MAX));
}

void TestMainWindowForm::textFields_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<QString>("styleSheet");
    QTest::newRow("lineEditZf") << "lineEditZf" << 8 << true << QString();
    QTest::newRow("lineEditCmdA") << "lineEditCmdA" << 12 << false << "color: rgb(255, 0, 0);";
    QTest::newRow("lineEditCmdB") << "lineEditCmdB" << 12 << false << "color: rgb(0, 0, 255);";
}

void TestMainWindowForm::textFields()
{
    QFETCH(QString, name);
    QFETCH(int, pointSize);
    QFETCH(bool, italic);
    QFETCH(QString, styleSheet);
    Form form;
    auto *field = form.find<QLineEdit>(name);
    QCOMPARE(field->font().pointSize(), pointSize);
    QCOMPARE(field->font().italic(), italic);
    QCOMPARE(field->font().family(), QApplication::font().family());
    QCOMPARE(field->font().bold(), false);
    QCOMPARE(field->styleSheet(), styleSheet);
    QVERIFY(field->isEnabled());
    QVERIFY(!field->autoFillBackground());
    QVERIFY(!field->hasFrame());
    QVERIFY(field->dragEnabled());
    QVERIFY(field->isReadOnly());
    QCOMPARE(field->maxLength(), 100);

    field->setText(QString(150, QLatin1Char('x')));
    QCOMPARE(field->text().size(), 100);

    // Read-only: typing changes nothing, but the text can still be selected.
    field->setText(QStringLiteral("70 03 E8 03 "));
    field->setFocus();
    QTest::keyClicks(field, "abc");
    QCOMPARE(field->text(), QStringLiteral("70 03 E8 03 "));
    field->selectAll();
    QCOMPARE(field->selectedText(), QStringLiteral("70 03 E8 03 "));
}

void TestMainWindowForm::commandColours()
{
    Form form;
    form.ui.lineEditCmdA->setText(QStringLiteral("E0 10 5A 0C F6 "));
    form.ui.lineEditCmdB->setText(QStringLiteral("70 03 E8 03 "));
    form.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form.window));
    const QImage red = form.ui.lineEditCmdA->grab().toImage();
    const QImage blue = form.ui.lineEditCmdB->grab().toImage();
    QVERIFY(hasPixelNear(red, Qt::red));
    QVERIFY(!hasPixelNear(red, Qt::blue));
    QVERIFY(hasPixelNear(blue, Qt::blue));
    QVERIFY(!hasPixelNear(blue, Qt::red));
    QCOMPARE(form.ui.lineEditCmdB->font(), form.ui.lineEditCmdA->font());
}

void TestMainWindowForm::headerAndGroups()
{
    Form form;
    const Ui_MainWindow &ui = form.ui;
    QVERIFY(ui.groupBox->isEnabled());
    QVERIFY(!ui.groupBox->autoFillBackground());
    QCOMPARE(ui.groupBox->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
    QVERIFY(!ui.groupBox->isFlat());

    QLabel *logo = ui.graphicLabel_drosvane;
    QVERIFY(!logo->toolTip().isEmpty());
    QCOMPARE(logo->frameShadow(), QFrame::Raised);
    QVERIFY(logo->pixmap(Qt::ReturnByValue).size() == QSize(220, 48));
    QVERIFY(!logo->hasScaledContents());
    QCOMPARE(logo->alignment(), Qt::AlignCenter);
    QVERIFY(logo->openExternalLinks());
    QVERIFY(!form.window.windowIcon().isNull());

    const QLocale british(QLocale::English, QLocale::UnitedKingdom);
    QCOMPARE(ui.groupBox_5->locale(), british);
    QCOMPARE(ui.groupBox_4->locale(), british);
    QVERIFY(ui.groupBoxPinCode->isCheckable());

    QCOMPARE(ui.buttonBox->orientation(), Qt::Horizontal);
    QCOMPARE(ui.buttonBox->standardButtons(), QDialogButtonBox::Close);
    QVERIFY(!ui.buttonBox->centerButtons());
}

void TestMainWindowForm::menusAndStatusBar()
{
    Form form;
    const Ui_MainWindow &ui = form.ui;
    QCOMPARE(form.window.menuBar(), ui.menuBar);
    QCOMPARE(form.window.statusBar(), ui.statusBar);
    QCOMPARE(form.window.centralWidget(), ui.centralWidget);
    QCOMPARE(ui.menuBar->actions(),
             (QList<QAction *>{ui.menu_Datei->menuAction(), ui.menuHilfe->menuAction()}));
    QCOMPARE(ui.menu_Datei->actions(), QList<QAction *>{ui.actionBeenden});
    QCOMPARE(ui.menuHilfe->actions(), (QList<QAction *>{ui.action_Inhalt, ui.actionI_nfo}));
    for (QAction *action : {ui.action_Inhalt, ui.actionI_nfo, ui.actionBeenden}) {
        QVERIFY(action->icon().isNull());
        QVERIFY(!action->isSeparator());
    }
    QCOMPARE(ui.action_Inhalt->shortcut(), QKeySequence(Qt::Key_F1));
    QVERIFY(ui.statusBar->currentMessage().isEmpty());
}

void TestMainWindowForm::oneExclusiveGroupAcrossBothLists()
{
    Form form;
    QButtonGroup *group = form.ui.buttonGroup;
    QVERIFY(group->exclusive());
    QStringList names;
    for (QAbstractButton *button : group->buttons())
        names << button->objectName();
    QStringList expected;
    for (const Member &member : kMembers) {
        if (qstrcmp(member.className, "QRadioButton") == 0)
            expected << member.name;
    }
    QCOMPARE(names, expected);

    form.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form.window));
    QTest::mouseClick(form.ui.button_scr2096, Qt::LeftButton);
    QVERIFY(form.ui.button_scr2096->isChecked());
    QTest::mouseClick(form.ui.button_css974, Qt::LeftButton);
    QVERIFY(form.ui.button_css974->isChecked());
    QVERIFY(!form.ui.button_scr2096->isChecked());
    QCOMPARE(group->checkedButton(), form.ui.button_css974);
}

void TestMainWindowForm::stateRightAfterSetup()
{
    Form form;
    const Ui_MainWindow &ui = form.ui;
    QCOMPARE(ui.scrollBarTunerAddr->value(), 1);
    QCOMPARE(ui.scrollBarSHF->value(), 11700);
    QCOMPARE(ui.scrollBarBandpassfreq->value(), 950);
    QCOMPARE(ui.scrollBarPincode->value(), 0);
    QCOMPARE(ui.buttonGroup->checkedButton(), nullptr);
    QVERIFY(!ui.checkBoxLinkCSS->isChecked());
    QVERIFY(!ui.groupBoxPinCode->isChecked());
    QVERIFY(!ui.scrollBarPincode->isEnabled());
    QVERIFY(!ui.labelPincode->isEnabled());
    QCOMPARE(ui.comboBoxPol->currentIndex(), 0);
    QCOMPARE(ui.comboBoxBand->currentIndex(), 0);
    QCOMPARE(ui.comboBoxPos->currentIndex(), 0);
    QVERIFY(ui.lineEditZf->text().isEmpty());
    QVERIFY(ui.lineEditCmdA->text().isEmpty());
    QVERIFY(ui.lineEditCmdB->text().isEmpty());
}

void TestMainWindowForm::pinGroupEnablesItsControls()
{
    Form form;
    form.ui.groupBoxPinCode->setChecked(true);
    QVERIFY(form.ui.scrollBarPincode->isEnabled());
    QVERIFY(form.ui.labelPincode->isEnabled());
    form.ui.groupBoxPinCode->setChecked(false);
    QVERIFY(!form.ui.scrollBarPincode->isEnabled());
    QVERIFY(!form.ui.labelPincode->isEnabled());
}

QTEST_MAIN(TestMainWindowForm)
#include "tst_mainwindowform.moc"
