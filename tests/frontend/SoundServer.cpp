#include "SoundServer.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QThread>

#include <algorithm>
#include <limits>

#include <cstring>

namespace tarovin::test {

namespace {

constexpr auto sinkName = "tarovin_test";

bool writeFile(const QString& path, const QByteArray& text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text) == text.size();
}

} // namespace

SoundServer::SoundServer()
{
    clock_.start();
    if (!dir_.isValid()) {
        failure_ = QStringLiteral("no temporary folder for the sound server");
        return;
    }
    if (startServer())
        startRecorder();
}

SoundServer::~SoundServer()
{
    for (QProcess* p : {&recorder_, &server_}) {
        if (p->state() == QProcess::NotRunning)
            continue;
        p->terminate();
        if (!p->waitForFinished(3000)) {
            p->kill();
            p->waitForFinished(3000);
        }
    }
}

bool SoundServer::startServer()
{
    const QString socket = dir_.filePath(QStringLiteral("native"));
    const QString script = dir_.filePath(QStringLiteral("server.pa"));
    const QString clientConf = dir_.filePath(QStringLiteral("client.conf"));
    // Without rewinds the monitor records exactly what the sink played: a
    // sink that rewinds to mix a new stream in early would rewrite what the
    // recorder may already have taken.
    const QByteArray config = QStringLiteral("load-module module-native-protocol-unix socket=%1 auth-anonymous=1\n"
                                             "load-module module-null-sink sink_name=%2 rate=%3 channels=2 norewinds=1\n"
                                             "set-default-sink %2\n")
                                  .arg(socket, QLatin1String(sinkName))
                                  .arg(rate)
                                  .toUtf8();
    if (!writeFile(script, config) || !writeFile(clientConf, "autospawn = no\nenable-memfd = no\n")) {
        failure_ = QStringLiteral("cannot write the sound server's configuration");
        return false;
    }

    // This process and its children talk to this server only, and nothing
    // reaches the user's own session: no D-Bus, no real home folder.
    qputenv("PULSE_SERVER", ("unix:" + socket).toUtf8());
    qputenv("PULSE_RUNTIME_PATH", dir_.path().toUtf8());
    qputenv("PULSE_STATE_PATH", dir_.path().toUtf8());
    qputenv("PULSE_CLIENTCONFIG", clientConf.toUtf8());
    qputenv("XDG_RUNTIME_DIR", dir_.path().toUtf8());
    qputenv("HOME", dir_.path().toUtf8());
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    server_.setProcessEnvironment(QProcessEnvironment::systemEnvironment());

    server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server_.start(QStringLiteral("pulseaudio"),
                  {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                   QStringLiteral("--system=false"), QStringLiteral("--use-pid-file=no"),
                   QStringLiteral("--realtime=no"), QStringLiteral("--high-priority=no"),
                   QStringLiteral("--log-level=error"), QStringLiteral("-F"), script});
    if (!server_.waitForStarted(5000)) {
        failure_ = QStringLiteral("pulseaudio does not start (is it installed?): ") + server_.errorString();
        return false;
    }
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        if (server_.state() == QProcess::NotRunning) {
            failure_ = QStringLiteral("pulseaudio ended at start-up");
            return false;
        }
        QProcess info;
        info.start(QStringLiteral("pactl"), {QStringLiteral("info")});
        if (info.waitForFinished(2000) && info.exitStatus() == QProcess::NormalExit && info.exitCode() == 0)
            return true;
        QThread::msleep(20);
    }
    failure_ = QStringLiteral("the sound server never answered pactl");
    return false;
}

bool SoundServer::startRecorder()
{
    QObject::connect(&recorder_, &QProcess::readyReadStandardOutput, [this] { takeRecording(); });
    recorder_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // Small fragments, so each piece of the recording arrives soon after the
    // sink played it and the arrival times say when it was played.
    recorder_.start(QStringLiteral("parec"),
                    {QStringLiteral("--device=%1.monitor").arg(QLatin1String(sinkName)), QStringLiteral("--raw"),
                     QStringLiteral("--format=s16le"), QStringLiteral("--rate=%1").arg(rate),
                     QStringLiteral("--channels=2"), QStringLiteral("--latency-msec=5")});
    if (!recorder_.waitForStarted(5000)) {
        failure_ = QStringLiteral("parec does not start (is pulseaudio-utils installed?): ") + recorder_.errorString();
        return false;
    }
    const QDeadlineTimer deadline(5000);
    while (frames() < rate / 10 && !deadline.hasExpired())
        if (recorder_.waitForReadyRead(100))
            takeRecording();
    if (frames() < rate / 10) {
        failure_ = QStringLiteral("parec records nothing from the null sink");
        return false;
    }
    return true;
}

void SoundServer::takeRecording()
{
    const qint64 arrived = clock_.nsecsElapsed();
    partial_ += recorder_.readAllStandardOutput();
    const qsizetype whole = partial_.size() / 4 * 4;
    const std::size_t old = samples_.size();
    samples_.resize(old + std::size_t(whole / 2));
    std::memcpy(samples_.data() + old, partial_.constData(), std::size_t(whole));
    partial_.remove(0, whole);
    arrivals_.push_back({frames(), arrived});
    const qint64 zero = arrived - frames() * 1000000000LL / rate;
    if (!haveFrameZero_ || zero < frameZeroNs_) {
        frameZeroNs_ = zero;
        haveFrameZero_ = true;
    }
}

qint64 SoundServer::frameAt(qint64 clockNs) const
{
    return (clockNs - frameZeroNs_) * rate / 1000000000LL;
}

qint64 SoundServer::arrivalNs(qint64 frame) const
{
    const auto it = std::upper_bound(arrivals_.begin(), arrivals_.end(), frame,
                                     [](qint64 f, const Arrival& a) { return f < a.framesAfter; });
    return it == arrivals_.end() ? std::numeric_limits<qint64>::max() : it->atNs;
}

} // namespace tarovin::test
