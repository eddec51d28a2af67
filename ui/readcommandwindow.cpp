#include "readcommandwindow.h"

#include "hextext.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The decoder's field names, for the catalogue; the values stay as the
// decoder writes them, as the tool prints them.
const char *const kFieldNames[] = {
    QT_TRANSLATE_NOOP("ReadCommandWindow", "Standard"),
    QT_TRANSLATE_NOOP("ReadCommandWindow", "Command"),
    QT_TRANSLATE_NOOP("ReadCommandWindow", "Framing"),
    QT_TRANSLATE_NOOP("ReadCommandWindow", "Address"),
    QT_TRANSLATE_NOOP("ReadCommandWindow", "Userband"),
    QT_TRANSLATE_NOOP("ReadCommandWindow", "Position"),
    QT_TRANSLATE_NOOP("ReadCommandWindow", "Polarisation"),
    QT_TRANSLATE_NOOP("ReadCommandWindow", "Band"),
    QT_TRANSLATE_NOOP("ReadCommandWindow", "Tuning word"),
    QT_TRANSLATE_NOOP("ReadCommandWindow", "Intermediate frequency"),
    QT_TRANSLATE_NOOP("ReadCommandWindow", "Intermediate + userband frequency"),
    QT_TRANSLATE_NOOP("ReadCommandWindow", "Configuration"),
    QT_TRANSLATE_NOOP("ReadCommandWindow", "Oscillator"),
    QT_TRANSLATE_NOOP("ReadCommandWindow", "PIN"),
    // and the plain words among their values
    QT_TRANSLATE_NOOP("ReadCommandWindow", "channel change"),
    QT_TRANSLATE_NOOP("ReadCommandWindow", "switch-off"),
    QT_TRANSLATE_NOOP("ReadCommandWindow", "horizontal"),
    QT_TRANSLATE_NOOP("ReadCommandWindow", "vertical"),
    QT_TRANSLATE_NOOP("ReadCommandWindow", "high"),
    QT_TRANSLATE_NOOP("ReadCommandWindow", "low"),
    QT_TRANSLATE_NOOP("ReadCommandWindow", "none"),
};

} // namespace

ReadCommandWindow::ReadCommandWindow(std::function<QString(const DecodedCommand &)> applyTo,
                                     std::function<int()> userband, QWidget *parent)
    : QWidget(parent, Qt::Window), apply(std::move(applyTo)), userbandFrequency(std::move(userband))
{
    setObjectName(QStringLiteral("readCommandWindow"));
    setWindowTitle(tr("Read a command"));
    auto *layout = new QVBoxLayout(this);
    auto *label =
        new QLabel(tr("&Bytes, as a receiver sent them (E0 10 5A 0C F6, 0x70,0x03, ...):"), this);
    bytes = new QLineEdit(this);
    bytes->setObjectName(QStringLiteral("lineEditBytes"));
    bytes->setToolTip(tr("Paste, type or drop the command's bytes in hex"));
    bytes->setClearButtonEnabled(true);
    label->setBuddy(bytes);
    problem = new QLabel(this);
    problem->setObjectName(QStringLiteral("labelProblem"));
    problem->setWordWrap(true);
    fields = new QTableWidget(0, 2, this);
    fields->setObjectName(QStringLiteral("tableFields"));
    fields->setHorizontalHeaderLabels({tr("Field"), tr("Value")});
    fields->horizontalHeader()->setStretchLastSection(true);
    fields->verticalHeader()->hide();
    fields->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    applyButton = buttons->addButton(tr("&Apply to the window"), QDialogButtonBox::ApplyRole);
    applyButton->setObjectName(QStringLiteral("pushButtonApply"));
    applyButton->setToolTip(tr("Show this channel change in the main window"));
    layout->addWidget(label);
    layout->addWidget(bytes);
    layout->addWidget(problem);
    layout->addWidget(fields, 1);
    layout->addWidget(buttons);

    connect(bytes, &QLineEdit::textChanged, this, &ReadCommandWindow::explain);
    connect(applyButton, &QPushButton::clicked, this, &ReadCommandWindow::applyCommand);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    explain();
    const int line = fontMetrics().height();
    fields->verticalHeader()->setDefaultSectionSize(line + line / 2);
    resize(36 * line, 30 * line);
}

void ReadCommandWindow::explain()
{
    fields->setRowCount(0);
    read = false;
    std::vector<std::uint8_t> frame;
    std::string error;
    const std::string text = bytes->text().toStdString();
    if (bytes->text().trimmed().isEmpty()) {
        problem->setText(tr("No bytes yet."));
    } else if (!parseHexText(text, frame, error) || !decodeCommand(frame, command, error)) {
        problem->setText(tr("Not a command: %1").arg(QString::fromStdString(error)));
    } else {
        read = true;
        const std::string warning = commandWarning(command, userbandFrequency());
        problem->setText(warning.empty()
                             ? tr("Read as below.")
                             : tr("Read as below; note: %1").arg(QString::fromStdString(warning)));
        for (const CommandField &field : describeCommand(command, frame, userbandFrequency())) {
            if (field.label.empty())
                continue;
            const int row = fields->rowCount();
            fields->insertRow(row);
            fields->setItem(row, 0, new QTableWidgetItem(tr(field.label.c_str())));
            fields->setItem(row, 1, new QTableWidgetItem(tr(field.shown.c_str())));
        }
        fields->resizeColumnToContents(0);
    }
    applyButton->setEnabled(read);
}

void ReadCommandWindow::applyCommand()
{
    if (!read)
        return;
    const QString why = apply(command);
    problem->setText(why.isEmpty() ? tr("Shown in the main window.")
                                   : tr("The main window cannot show it: %1").arg(why));
}
