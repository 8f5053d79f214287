// A headless timing of the window path with a large fixed-position file (100 000 lines unless told
// otherwise), through the real windows with a stand-in desktop that answers every box with OK:
//
//   open      "&Aceptar" in the format dialog (the reminder and the file dialog answered at once) to
//             the listing window shown with its first rows painted: reading, the grid's model reset
//             and the first paint
//   scroll    Ctrl+End in the grid to the last line painted
//   eliminar  "&Eliminar" on the first line, its question answered, to the grid renumbered
//   crear     "Crear &Arch." (the save dialog answered at once) to the file complete, synced and
//             renamed into place
//
//   bench_listing [LINES]

#include "GeneratedFile.h"

#include "platform/Platform.h"
#include "ui/RecordGrid.h"
#include "ui/UnitDespTarvinel.h"
#include "ui/UnitSeleccionar.h"
#include "util/Regional.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <cstdio>
#include <functional>

namespace {

// Marks when a widget gets its first paint.
class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

void report(const char *step, qint64 nanoseconds)
{
    std::printf("%-10s %7.3f s\n", step, double(nanoseconds) / 1e9);
    std::fflush(stdout);
}

// Answers every box with OK and every file dialog with its path; shows the listing window, waits for
// its first paint and then runs the timed work on it.
class BenchPlatform final : public platform::Platform {
public:
    QString openPath;
    QString savePath;
    QElapsedTimer clock;
    std::function<void(TFrmTarvinel &)> onListingPainted;

    platform::Answer message(QWidget *, const platform::MessageRequest &) override
    {
        return platform::Answer::Ok;
    }
    QString openFileName(QWidget *, const platform::FileRequest &) override { return openPath; }
    QString saveFileName(QWidget *, const platform::FileRequest &) override { return savePath; }
    bool openUrl(const QUrl &) override { return false; }
    int showModal(QDialog &dialog) override
    {
        auto *listing = qobject_cast<TFrmTarvinel *>(&dialog);
        if (!listing)
            return QDialog::Rejected;
        PaintWatch watch;
        QWidget *viewport = listing->findChild<RecordGrid *>(QStringLiteral("DBGrid1"))->viewport();
        viewport->installEventFilter(&watch);
        listing->show();
        while (!watch.painted)
            QCoreApplication::processEvents();
        report("open", clock.nsecsElapsed());
        viewport->removeEventFilter(&watch);
        onListingPainted(*listing);
        listing->hide();
        return QDialog::Rejected;
    }
};

// Ctrl+End in the grid, timed to the paint that shows the last line; then back to the first line.
void scrollToEnd(TFrmTarvinel &listing)
{
    auto *grid = listing.findChild<RecordGrid *>(QStringLiteral("DBGrid1"));
    PaintWatch watch;
    grid->viewport()->installEventFilter(&watch);
    QElapsedTimer timer;
    timer.start();
    QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
    QCoreApplication::sendEvent(grid, &end);
    while (!watch.painted)
        QCoreApplication::processEvents();
    report("scroll", timer.nsecsElapsed());
    grid->viewport()->removeEventFilter(&watch);
    QKeyEvent home(QEvent::KeyPress, Qt::Key_Home, Qt::ControlModifier);
    QCoreApplication::sendEvent(grid, &home);
    QCoreApplication::processEvents();
}

void click(QWidget &window, const char *button, const char *step)
{
    QElapsedTimer timer;
    timer.start();
    window.findChild<QToolButton *>(QLatin1String(button))->click();
    QCoreApplication::processEvents();
    report(step, timer.nsecsElapsed());
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    regional::setLocale(QLocale(QStringLiteral("es_CL")));
    const int lines = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;

    QTemporaryDir dir;
    BenchPlatform desktop;
    desktop.openPath = dir.filePath(QStringLiteral("Tarvinel.txt"));
    desktop.savePath = dir.filePath(QStringLiteral("Tarvinel-2.txt"));
    if (!generateFile(desktop.openPath, linelayout::Layout::Fixed, lines)) {
        std::printf("cannot write %s\n", qPrintable(desktop.openPath));
        return 1;
    }
    std::printf("%d lines, %.1f MiB, fixed positions\n", lines,
                double(QFileInfo(desktop.openPath).size()) / (1024.0 * 1024.0));
    platform::install(&desktop);

    bool complete = false;
    desktop.onListingPainted = [&](TFrmTarvinel &listing) {
        scrollToEnd(listing);
        click(listing, "SpeedButton7", "eliminar");
        click(listing, "SpeedButton1", "crear");
        complete = QFileInfo(desktop.savePath).size() == QFileInfo(desktop.openPath).size() - 863;
    };
    TFrmSeleccionar format;
    format.show();
    QCoreApplication::processEvents();
    desktop.clock.start();
    format.findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
    platform::install(nullptr);
    if (!complete) {
        std::printf("the file written is not the file read less its first line\n");
        return 1;
    }
    return 0;
}
