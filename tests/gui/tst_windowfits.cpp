// The window at the scale factor CTest gives this run, in English and in
// German: every text shows whole, the window stays within the screen, the
// commands stay in sight, and the inputs that do not fit scroll into it.

#include "mainwindow.h"

#include <QtTest>
#include <QtWidgets>

namespace {

int textWidth(const QWidget *widget, const QString &text)
{
    return widget->fontMetrics().horizontalAdvance(text);
}

// "name: text" for each text that the control cannot show whole.
QStringList cutTexts(const QWidget *window)
{
    QStringList cut;
    const auto note = [&cut](const QWidget *w, const QString &text) {
        cut << QString("%1: %2").arg(w->objectName(), text);
    };
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window))
            continue;
        if (auto *label = qobject_cast<const QLabel *>(w)) {
            if (textWidth(label, label->text()) > label->contentsRect().width())
                note(w, label->text());
        } else if (auto *button = qobject_cast<const QAbstractButton *>(w)) {
            if (button->sizeHint().width() > button->width() ||
                button->sizeHint().height() > button->height())
                note(w, button->text());
        } else if (auto *group = qobject_cast<const QGroupBox *>(w)) {
            QStyleOptionGroupBox option;
            option.initFrom(group);
            option.text = group->title();
            option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxCheckBox;
            option.features = QStyleOptionFrame::None;
            const QRect title = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                               QStyle::SC_GroupBoxLabel, group);
            if (group->minimumSizeHint().width() > group->width() || title.right() > group->width())
                note(w, group->title());
        } else if (auto *combo = qobject_cast<const QComboBox *>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                               QStyle::SC_ComboBoxEditField, combo);
            for (int i = 0; i < combo->count(); ++i) {
                if (textWidth(combo, combo->itemText(i)) > field.width())
                    note(w, combo->itemText(i));
            }
        } else if (auto *spin = qobject_cast<const QSpinBox *>(w)) {
            if (spin->sizeHint().width() > spin->width())
                note(w, spin->text());
        } else if (auto *edit = qobject_cast<const QLineEdit *>(w)) {
            if (textWidth(edit, edit->text()) > edit->contentsRect().width())
                note(w, edit->text());
        }
    }
    return cut;
}

} // namespace

class TestWindowFits : public QObject
{
    Q_OBJECT

private slots:
    void showsEveryTextWhole_data();
    void showsEveryTextWhole();
};

void TestWindowFits::showsEveryTextWhole_data()
{
    QTest::addColumn<QString>("catalogue");
    QTest::newRow("English") << QString();
    QTest::newRow("German") << QString(VANTIR_QM_PATH);
}

void TestWindowFits::showsEveryTextWhole()
{
    QFETCH(QString, catalogue);
    QTranslator translator;
    if (!catalogue.isEmpty())
        QVERIFY(translator.load(catalogue) && QCoreApplication::installTranslator(&translator));
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The longest texts the fields show.
    window.findChild<QComboBox *>("comboBoxPos")->setCurrentIndex(3);
    window.findChild<QScrollBar *>("scrollBarTunerAddr")->setValue(32);
    window.findChild<QGroupBox *>("groupBoxPinCode")->setChecked(true);
    QCOMPARE(cutTexts(&window).join(" / "), QString());

    // Never larger than the screen; what it cannot show, it scrolls to.
    const QRect screen = window.screen()->availableGeometry();
    QVERIFY2(screen.contains(window.frameGeometry()),
             qPrintable(QString("%1x%2 on %3x%4")
                            .arg(window.frameGeometry().width())
                            .arg(window.frameGeometry().height())
                            .arg(screen.width())
                            .arg(screen.height())));
    // The inputs scroll into sight; the commands and Close stay there.
    auto *scroller = window.findChild<QScrollArea *>("scrollArea");
    const auto within = [](QWidget *control, QWidget *area) {
        const QRect shown(control->mapTo(area, QPoint(0, 0)), control->size());
        return area->rect().contains(shown);
    };
    for (const char *name : {"comboBoxPol", "button_css2096", "spinBoxPincode"}) {
        auto *control = window.findChild<QWidget *>(name);
        scroller->ensureWidgetVisible(control, 0, 0);
        QVERIFY2(within(control, scroller->viewport()), name);
    }
    const QList<QWidget *> inSight{
        window.findChild<QWidget *>("lineEditCmdA"), window.findChild<QWidget *>("lineEditCmdB"),
        window.findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Close)};
    for (QWidget *control : inSight)
        QVERIFY2(control->isVisible() && within(control, &window),
                 qPrintable(control->objectName()));
    QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(TestWindowFits)
#include "tst_windowfits.moc"
