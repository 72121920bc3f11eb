#include "audio/support/PulseAudioServer.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

namespace talix::audio::testing {

namespace {
constexpr int kProcessTimeoutMs = 20000;
} // namespace

PulseAudioServer::PulseAudioServer() = default;

PulseAudioServer::~PulseAudioServer() {
    stop();
}

QProcessEnvironment PulseAudioServer::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", m_dir.path());
    env.insert("PULSE_SERVER", "unix:" + m_dir.path() + "/pulse/native");
    return env;
}

int PulseAudioServer::runPulseaudio(const QStringList& arguments, QString* output) const {
    QProcess process;
    process.setProcessEnvironment(environment());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start("pulseaudio", arguments);
    if (!process.waitForStarted(kProcessTimeoutMs)) {
        if (output)
            *output = "pulseaudio could not be run: " + process.errorString();
        return -1;
    }
    if (!process.waitForFinished(kProcessTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        if (output)
            *output = "pulseaudio did not return";
        return -1;
    }
    if (output)
        *output = QString::fromLocal8Bit(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QString PulseAudioServer::start() {
    if (!m_dir.isValid())
        return "no private runtime folder: " + m_dir.errorString();
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QString output;
    const int rc = runPulseaudio({"-D", "--exit-idle-time=-1", "-n",
                                  "--load=module-null-sink sink_name=nul rate=40960",
                                  "--load=module-native-protocol-unix auth-anonymous=1"},
                                 &output);
    if (rc != 0)
        return QString("pulseaudio -D failed (%1): %2").arg(rc).arg(output);
    m_running = true;
    // The daemon's parent returns once the server is up; --check confirms it answers.
    const QDeadlineTimer deadline(kProcessTimeoutMs);
    while (runPulseaudio({"--check"}, nullptr) != 0) {
        if (deadline.hasExpired())
            return "pulseaudio --check does not see the server";
        QThread::msleep(20);
    }
    // Qt Multimedia and the PulseAudio tools of this process connect here.
    qputenv("PULSE_SERVER", environment().value("PULSE_SERVER").toLocal8Bit());
    return {};
}

void PulseAudioServer::stop() {
    if (!m_running)
        return;
    m_running = false;
    runPulseaudio({"--kill"}, nullptr);
    const QDeadlineTimer deadline(kProcessTimeoutMs);
    while (runPulseaudio({"--check"}, nullptr) == 0 && !deadline.hasExpired())
        QThread::msleep(20);
}

MonitorRecording::MonitorRecording(const PulseAudioServer& server) {
    m_process.setProcessEnvironment(server.environment());
}

MonitorRecording::~MonitorRecording() {
    stop();
}

QString MonitorRecording::start() {
    m_process.start("parec", {"-d", "nul.monitor", "--raw", "--format=s16le", "--rate=40960",
                              "--channels=2", "--latency-msec=20"});
    if (!m_process.waitForStarted(kProcessTimeoutMs))
        return "parec could not be run: " + m_process.errorString();
    return {};
}

void MonitorRecording::collect() {
    m_data += m_process.readAllStandardOutput();
}

QByteArray MonitorRecording::stop() {
    if (m_process.state() != QProcess::NotRunning) {
        collect();
        m_process.terminate();
        if (!m_process.waitForFinished(kProcessTimeoutMs)) {
            m_process.kill();
            m_process.waitForFinished();
        }
        collect();
    }
    return m_data;
}

PulseAudioServer* PrivateSoundServerTest::server = nullptr;
QString* PrivateSoundServerTest::startError = nullptr;

void PrivateSoundServerTest::SetUpTestSuite() {
    server = new PulseAudioServer;
    startError = new QString(server->start());
}

void PrivateSoundServerTest::TearDownTestSuite() {
    delete server;
    delete startError;
    server = nullptr;
    startError = nullptr;
}

void PrivateSoundServerTest::SetUp() {
    ASSERT_TRUE(startError->isEmpty())
        << "the private PulseAudio server did not start: " << startError->toStdString();
}

} // namespace talix::audio::testing
