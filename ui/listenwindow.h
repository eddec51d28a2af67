#pragma once

#include "command.h"
#include "failure.h"
#include "plan.h"
#include "recording.h"

#include <QPair>
#include <QVector>
#include <QWidget>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

class MessageList;
class Background;
class Ui_ListenWindow;

#include "livesource.h"

namespace live {
class Listener;
struct InputLevel;
} // namespace live

// Listens to the cable through an audio input, off the user-interface
// thread: the level with a warning when the input clips or is too faint,
// each message listed as it ends with the recording reader's columns and
// picture, and, with a plan open, the receiver that sends it. What was heard
// can be saved when listening stops, also after the input went away.
class ListenWindow : public QWidget
{
    Q_OBJECT

public:
    // `plan` gives the plan open in the plan window, if any.
    ListenWindow(std::function<Failure(const Command &)> apply,
                 std::function<std::optional<Plan>()> plan, QWidget *parent = nullptr);
    ~ListenWindow() override;

    bool listening() const;
    // The messages listed so far.
    const std::vector<ReadMessage> &messages() const;

public slots:
    void start();
    void stop();

private slots:
    // Connected by name when the form is built.
    void on_pushButtonListen_clicked();
    void on_pushButtonSave_clicked();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // The inputs there are, or why none answers.
    struct Inputs
    {
        std::vector<live::InputDevice> devices;
        Phrase why;
    };
    static Inputs listInputs();
    void renewInputs();
    // Changes the list only where it differs, keeping the choice.
    void showInputs(const Inputs &found);
    void add(std::vector<ReadMessage> messages);
    void showLevel(float peak, bool clipped);
    void ended(const QString &why);

    std::function<std::optional<Plan>()> plan;
    Ui_ListenWindow *ui;
    std::shared_ptr<live::Listener> listener;
    Background *worker;
    Background *lister;
    // The plan as the listening thread reads each EN 50494 command's
    // userband from it: the open one when listening began or the last
    // message came in.
    struct ListenedPlan
    {
        std::mutex lock;
        std::optional<Plan> plan;
    };
    std::shared_ptr<ListenedPlan> listened;
    void knowPlan(std::optional<Plan> open);
    // What the input box shows (label, name), and why none answers.
    struct Shown
    {
        QVector<QPair<QString, QString>> items;
        QString why;
    };
    std::optional<Shown> shown;
    MessageList *list;
    double rate = 0;
};
