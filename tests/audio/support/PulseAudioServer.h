#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace talix::audio::testing {

// A private PulseAudio server for one test program: its own runtime folder (mode 700), a null
// sink "nul" at 40960 Hz as the default output, and the native protocol on a local socket. This
// process's PulseAudio clients (Qt Multimedia among them) are pointed at it, so it must be started
// before the process first uses audio. Stopped by stop() or the destructor.
class PulseAudioServer {
public:
    PulseAudioServer();
    ~PulseAudioServer();

    // Empty on success, otherwise what went wrong.
    QString start();
    void stop();
    bool running() const { return m_running; }
    // The environment for a PulseAudio tool that should talk to this server.
    QProcessEnvironment environment() const;

private:
    int runPulseaudio(const QStringList& arguments, QString* output) const;

    QTemporaryDir m_dir;
    bool m_running = false;
};

// Records the null sink's monitor with parec as raw 16-bit stereo PCM at 40960 Hz.
class MonitorRecording {
public:
    explicit MonitorRecording(const PulseAudioServer& server);
    ~MonitorRecording();

    QString start(); // empty on success
    // Collects what has arrived so far (call while waiting).
    void collect();
    QByteArray stop();
    qint64 size() const { return m_data.size(); }

private:
    QProcess m_process;
    QByteArray m_data;
};

// A suite of tests that play to the private server. The server runs for the whole suite: Qt keeps
// its first connection to a sound server, so a server started later would not be reached.
class PrivateSoundServerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    static PulseAudioServer* server;
    static QString* startError;
};

} // namespace talix::audio::testing
