// File -> Export Run as Packet Capture...: the run the panel shows, written
// by the same writer as the exporter's --pcap and the page's Save capture,
// so the three files of one run are the same bytes. The file dialog's two
// types choose where the capture listens.
#include <QDir>
#include <QFileDialog>
#include <QSaveFile>

#include "frontend/run_names.h"
#include "history/display_text.h"
#include "ui/qt/main_window.h"
#include "ui/qt/run_panel.h"

bool MainWindow::exportRunCapture(const QString& path, capture::Point at)
{
    const LadderTrace* ladder = panel_ != nullptr ? panel_->shownLadder() : &history_->ladder();
    const RunTrace* trace = panel_ != nullptr ? &panel_->shownTrace() : &history_->trace();
    if (ladder == nullptr) {
        ladder = &history_->ladder();
        trace = &history_->trace();
    }
    const capture::Connection run{ladder, trace};
    const std::string bytes = capture::pcapFile(std::span(&run, 1), at);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void MainWindow::askAndExportCapture()
{
    const QString atSender = tr("Packet capture at the sender (*.pcap)");
    const QString atReceiver = tr("Packet capture at the receiver (*.pcap)");
    const std::string proposed =
        run_names::suggestedFileName({}, history_->title(), history_->ticks(), ".pcap");
    QString chosen = atSender;
    QString path = QFileDialog::getSaveFileName(this, tr("Export Run as Packet Capture"),
                                                QDir(lastFolder()).filePath(QString::fromStdString(proposed)),
                                                atSender + QStringLiteral(";;") + atReceiver, &chosen);
    if (path.isEmpty()) return;
    rememberFolder(path);
    if (!path.endsWith(QStringLiteral(".pcap"), Qt::CaseInsensitive)) path += QStringLiteral(".pcap");
    const capture::Point at = chosen == atReceiver ? capture::Point::Receiver : capture::Point::Sender;
    if (!exportRunCapture(path, at))
        refuse(tr("Could not write %1.")
                   .arg(QString::fromStdString(
                       displaytext::name(QDir::toNativeSeparators(path).toStdString()))));
}
