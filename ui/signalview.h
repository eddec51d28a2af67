#pragma once

#include "linesignal.h"
#include "recording.h"

#include <QWidget>

// A command's line signal, drawn to fit the widget.
class SignalView : public QWidget
{
    Q_OBJECT

public:
    explicit SignalView(QWidget *parent = nullptr);

    // No bytes: nothing drawn.
    void setCommand(const std::vector<std::uint8_t> &bytes, const QString &title);
    // A tone without bits of `length` s: a tone burst A, the continuous tone.
    void setTone(double length, const QString &title);
    // An entry of a recording or of listening: its bits when every one held,
    // its tone when it has none; nothing for a damaged one or none.
    void setEntry(const ReadMessage *read);

    // Room for the picture with its text at the window's size; in less
    // (a small screen), the picture is drawn smaller as a whole.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    linesignal::LineSignal signal;
    QString heading;
    bool hasSignal = false;
};
