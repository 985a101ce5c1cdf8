#include "Harness.h"
#include "app/MusicLoop.h"
#include "common/SystemMusicPlayer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifndef Q_OS_WIN
#include <QAudioOutput>
#include <QMediaPlayer>
#endif

namespace {

const QString ShippedMusic = QStringLiteral(ZENTRIMO_MUSIC);

QByteArray shippedPiece(const char* file) {
    return readFile(QDir(ShippedMusic).filePath(QLatin1String(file)));
}

// The length in milliseconds that the encoder's Info frame gives: its frame count, 1152 samples a frame.
qint64 infoLength(const QByteArray& piece) {
    const qsizetype info = piece.indexOf("Info");
    if (info < 0 || info > 64)
        return -1;
    const auto byteAt = [&](qsizetype index) { return static_cast<quint8>(piece.at(index)); };
    const quint32 frames =
        byteAt(info + 8) << 24 | byteAt(info + 9) << 16 | byteAt(info + 10) << 8 | byteAt(info + 11);
    return qint64(frames) * 1152 * 1000 / 44100;
}

} // namespace

class MusicTests : public QObject {
    Q_OBJECT

private slots:
    // Both platforms' own decoders play MPEG-1 Layer III; the players find it by its bytes, since
    // the names say nothing, so a piece starts with a frame, not with a tag.
    void shippedPiecesAreMp3FromTheirFirstByteAndSmall() {
        qint64 total = 0;
        for (const char* file : MusicFiles) {
            const QByteArray piece = shippedPiece(file);
            // Frame sync, MPEG-1 Layer III without CRC; 64 kbit/s at 44.1 kHz; joint stereo.
            QVERIFY2(piece.startsWith("\xFF\xFB\x50"), file);
            QCOMPARE(quint8(piece.at(3)) >> 6, 1);
            QVERIFY2(infoLength(piece) > 20000, file);
            total += piece.size();
        }
        QVERIFY(total < 1024 * 1024);
    }

    // The system's player, fed the silent piece under the three names, reports each end, so the loop
    // goes round: input.dll twice, output.dll, zentrimo.saw, input.dll.
    void systemPlayerEndsEachPieceAndTheLoopMovesOn() {
        QTemporaryDir folder;
        for (const char* file : MusicFiles)
            QVERIFY(QFile::copy(QStringLiteral(ZENTRIMO_TEST_DATA "/music/silence.mp3"),
                                folder.filePath(QLatin1String(file))));
        const std::unique_ptr<MusicPlayer> player = makeSystemMusicPlayer();
        MusicLoop loop(*player, folder.path());
        QList<int> counts;
        connect(player.get(), &MusicPlayer::playbackEnded, this, [&] { counts << loop.trackCount(); });
        loop.start();
        QTRY_VERIFY_WITH_TIMEOUT(counts.size() >= 4, 20000);
        QCOMPARE(counts.mid(0, 4), (QList<int>{1, 2, 0, 1}));
    }

#ifndef Q_OS_WIN
    // GStreamer (its mpg123 decoder) knows each piece's whole length before it plays.
    void qtMultimediaKnowsEachShippedPiecesLength() {
        for (const char* file : MusicFiles) {
            QMediaPlayer player;
            QAudioOutput output;
            player.setAudioOutput(&output);
            player.setSource(QUrl::fromLocalFile(QDir(ShippedMusic).filePath(QLatin1String(file))));
            QTRY_VERIFY_WITH_TIMEOUT(player.duration() > 0 || player.error(), 10000);
            QVERIFY2(player.error() == QMediaPlayer::NoError, qPrintable(player.errorString()));
            const qint64 expected = infoLength(shippedPiece(file));
            QVERIFY2(qAbs(player.duration() - expected) < 100,
                     qPrintable(
                         QStringLiteral("%1: %2 ms, not %3").arg(file).arg(player.duration()).arg(expected)));
        }
    }
#endif
};

QTEST_MAIN(MusicTests)
#include "MusicTests.moc"
