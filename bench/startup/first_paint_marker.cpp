// Linked into each program whose start-up is timed: once the program's first
// main window (a QMainWindow) has had its first paint delivered and the
// painted surface handed to the window system, "painted" is written to the
// standard output and the program leaves its event loop. The same object
// file goes into every timed program, so each is measured to the same point.

#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QPointer>

#include <unistd.h>

namespace {

class FirstPaintWatcher final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || reported_)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !qobject_cast<QMainWindow*>(widget->window()))
            return false;
        reported_ = true;
        // The paint runs now; the whole window is painted and flushed in
        // this same pass, so a call queued behind it runs once that is done.
        QMetaObject::invokeMethod(this, &FirstPaintWatcher::report, Qt::QueuedConnection);
        return false;
    }

private:
    void report()
    {
        static const char marker[] = "painted\n";
        if (::write(STDOUT_FILENO, marker, sizeof marker - 1) < 0) {
            // Nobody is listening; the program still ends as asked.
        }
        QCoreApplication::instance()->removeEventFilter(this);
        QCoreApplication::exit(0);
    }

    bool reported_ = false;
};

void watchForFirstPaint()
{
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(new FirstPaintWatcher(app));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForFirstPaint)
