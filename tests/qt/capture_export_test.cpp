// File -> Export Run as Packet Capture... writes, byte for byte, what the
// exporter's --pcap writes for the same run, at either end.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "tests/qt/window_support.h"

using namespace window_support;

class CaptureExportTest : public QObject {
    Q_OBJECT

private slots:
    void theWindowWritesTheExportersFile();
};

void CaptureExportTest::theWindowWritesTheExportersFile()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    MainWindow window;
    QVERIFY(action(window, "actionExportPcap") != nullptr);
    QVERIFY(window.openLesson(QStringLiteral("lost-ack")));
    // Played as the exporter plays a lesson: the whole recording, one step a tick.
    steps(window, window.history().recordedEnd());

    for (const auto& [at, name] :
         {std::pair{capture::Point::Sender, "sender"}, std::pair{capture::Point::Receiver, "receiver"}}) {
        const QString desktop = folder.filePath(QStringLiteral("desktop-%1.pcap").arg(QLatin1String(name)));
        const QString exported = folder.filePath(QStringLiteral("exporter-%1.pcap").arg(QLatin1String(name)));
        QVERIFY(window.exportRunCapture(desktop, at));
        QProcess exporter;
        exporter.start(QStringLiteral(SWD_EXPORTER),
                       {QStringLiteral("--lesson"), QStringLiteral("lost-ack"), QStringLiteral("--pcap"),
                        exported, QStringLiteral("--capture-at"), QLatin1String(name)});
        QVERIFY(exporter.waitForFinished(60000));
        QCOMPARE(exporter.exitCode(), 0);
        QFile written(desktop), expected(exported);
        QVERIFY(written.open(QIODevice::ReadOnly) && expected.open(QIODevice::ReadOnly));
        const QByteArray bytes = written.readAll();
        QVERIFY(bytes.size() > 24 + 3 * 16);
        QVERIFY(bytes == expected.readAll());
    }
    // Nowhere to write: refused, and nothing is left behind.
    QVERIFY(!window.exportRunCapture(folder.filePath(QStringLiteral("no/such/folder/run.pcap")),
                                     capture::Point::Sender));
}

QTEST_MAIN(CaptureExportTest)
#include "capture_export_test.moc"
