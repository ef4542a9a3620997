#ifndef VELTMAR_TESTS_MODALWATCHER_H
#define VELTMAR_TESTS_MODALWATCHER_H

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

// Answers the next modal message box (the code under test runs it with exec()) and records
// its title and text. Polls for the box on a short timer, so a box that never comes leaves
// `seen` false.
class ModalWatcher : public QObject {
public:
    explicit ModalWatcher(QMessageBox::StandardButton answer) : _answer(answer) {
        _timer.setInterval(10);
        connect(&_timer, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) {
                return;
            }
            _timer.stop();
            seen = true;
            title = box->windowTitle();
            text = box->text();
            box->done(_answer);
        });
        _timer.start();
    }

    bool seen = false;
    QString title;
    QString text;

private:
    QMessageBox::StandardButton _answer;
    QTimer _timer;
};

#endif  // VELTMAR_TESTS_MODALWATCHER_H
