#pragma once

#include "audio/AudioDevice.h"
#include "audio/DeviceEvent.h"
#include "audio/PlaybackRing.h"
#include "base/ManualResetEvent.h"
#include "link/CommandQueue.h"
#include "link/FrameRing.h"
#include "link/LinkPort.h"
#include "link/ReceiveThread.h"
#include "link/SenderThread.h"
#include "session/LinkWindow.h"
#include "session/ReadoutPainterThread.h"
#include "session/ReceiverPort.h"
#include "session/RecorderPlayback.h"
#include "session/RecordingSink.h"
#include "session/RotatorLink.h"
#include "session/SessionReceiverPort.h"
#include "session/SessionRecordingPort.h"
#include "session/SessionSettings.h"
#include "session/SessionView.h"
#include "session/UpdateReplySink.h"
#include "sync/FormSlots.h"
#include "sync/FrameDispatcher.h"
#include "sync/FrameSinks.h"
#include "sync/ReceiverState.h"

#include <QLocale>
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

namespace talix::session {

// The running program without its widgets: the command queue, the link with its receive and
// sender threads, the frame dispatcher with the receiver state and FormSlots, the playback ring
// and audio device, the recording, the rotator's datagrams, the update replies and the readout
// painter thread, with the one Closing flag that every thread watches. It does the I/O itself;
// what the user sees goes to the SessionView. Created, started and stopped on the UI thread.
class Session : public sync::FrameSinks, public LinkMessageHandler {
public:
    explicit Session(SessionSettings settings, const QLocale& locale = QLocale::system());
    ~Session() override;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The start-up order: open() the audio device (without it nothing more starts and the program
    // runs without a link) and find the next recording number; then startThreads(): the sender,
    // the receive thread and the painter. start() does both. `view` must outlive stop().
    audio::OpenResult start(SessionView& view);
    audio::OpenResult open(SessionView& view);
    void startThreads();
    // The shutdown order: Closing set, a running recording completed, then the sender, the receive
    // thread and the painter stopped, each waited for, and the audio device closed. The end-of-
    // session statistics go to stderr. Safe to call more than once.
    void stop();

    // The shutdown has begun (Closing): every worker thread leaves its loop.
    void beginClosing() { Closing = true; }
    bool closing() const { return Closing; }
    // A paint pass of the readouts was asked for (PaintEvent) and has not begun yet.
    bool paintRequested() const { return PaintEvent.isSet(); }

    link::CommandQueue& commands() { return m_queue; }
    // The receiver as clients without widgets read, watch and tune it.
    ReceiverPort& receiver() { return m_receiverPort; }
    sync::ReceiverState& state() { return m_state; }
    sync::FormSlots& formSlots() { return m_slots; }
    // Present from start() on.
    sync::FrameDispatcher* dispatcher() { return m_dispatcher.get(); }
    audio::PlaybackRing& playbackRing() { return m_playbackRing; }
    RecordingSink& recordingSink() { return m_recording; }
    // The recordings as B_Rec and the recorder form use them, with the export worker.
    SessionRecordingPort& recordings() { return m_recordings; }
    // The recorder's player: while it plays, the live output is held where it is, and the live
    // audio is neither played nor recorded.
    RecorderPlayback& playback() { return m_playback; }
    RotatorLink& rotator() { return m_rotator; }
    // The update form came on screen or left it: while it shows, the receive thread hands the
    // board's update replies to it and the board's greeting leaves the forms alone.
    void setUpdateFormShown(bool shown) {
        m_updateFormShown = shown;
        m_linkWindow.setUpdateRepliesWanted(shown);
    }
    UpdateReplySink& updateReplies() { return m_updateReplies; }
    // The update's own records, written by the sender ahead of everything else; false when the
    // link is down or no longer on the given connection. Neither call waits for a write.
    bool writeUpdateRecord(std::span<const uint8_t> record, uint64_t onConnection) {
        return m_port.queueUpdateRecord(record.data(), record.size(), onConnection);
    }
    bool linkConnected() const { return m_port.connected(); }
    uint64_t linkConnection() const { return m_port.connection(); }

    bool threadsRunning() const { return m_receiver != nullptr; }
    uint64_t linkFramesHandled() const { return m_framesHandled; }
    // Frames the UI thread came to only after the receive thread had reused their slot: dropped
    // unread.
    uint64_t linkFramesDropped() const { return m_linkWindow.framesDropped(); }

    // sync::FrameSinks
    bool recorderPlaying() const override { return m_playback.holdsLiveAudio(); }
    bool recording() const override { return m_recording.running(); }
    void appendRecording(const uint8_t* audio) override { m_recording.append(audio); }
    bool playbackOpen() const override { return m_playbackRing.isOpen(); }
    void queuePlayback(const uint8_t* audio) override;
    void setPlaybackVolume(uint8_t volume) override {
        m_playbackRing.setVolume(volume);
        m_playback.followSpeakerVolume(volume);
    }
    void rotatorReport(const sync::RotatorReport& report) override { m_rotator.report(report); }
    bool rotatorOn() const override { return m_rotator.on(); }
    void sendRotatorValue(uint8_t value) override { m_rotator.send(value); }
    void writeAck(uint32_t seq) override;
    void requestPaint() override { PaintEvent.set(); }
    std::optional<QString> startScriptFirstLine() override;
    bool updateFormShown() const override { return m_updateFormShown; }
    // The touch lock: while it is on, only the lock decides which controls take touches.
    void setTouchLocked(bool locked) { m_touchLocked = locked; }
    bool touchLocked() const { return m_touchLocked; }

    // What the session reports on stderr when it stops: the playback's blocks and underruns (after
    // a session with host playback) and the frames handled and dropped unread.
    QString statistics() const;

    // LinkMessageHandler: the message procedure, which LinkWindow runs for the threads' events.
    void linkFrame(const uint8_t* payload, uint32_t lParam) override;
    void linkLostDisplay() override;
    void updateReply(uint32_t replyWord) override { m_updateReplies.reply(replyWord); }
    void deviceMessage(audio::DeviceEvent::Kind kind) override;

private:
    // Set from the start of the shutdown on; every worker thread watches it.
    std::atomic<bool> Closing{false};
    ManualResetEvent PaintEvent;
    const SessionSettings m_settings;
    const QLocale m_locale;
    sync::ReceiverState m_state;
    sync::FormSlots m_slots;
    link::CommandQueue m_queue;
    link::LinkPort m_port{m_queue};
    SessionReceiverPort m_receiverPort{m_state, m_queue};
    link::FrameRing m_frameRing; // outlives the receive thread and LinkWindow
    LinkWindow m_linkWindow;
    // Outlives the ring, whose device reports through it.
    audio::DeviceEventPoster m_devicePoster{&m_linkWindow};
    audio::PlaybackRing m_playbackRing;
    RecordingSink m_recording{m_locale};
    SessionRecordingPort m_recordings{m_recording};
    RecorderPlayback m_playback;
    RotatorLink m_rotator;
    UpdateReplySink m_updateReplies;
    SessionView* m_view = nullptr;
    std::unique_ptr<sync::FrameDispatcher> m_dispatcher;
    std::unique_ptr<link::SenderThread> m_sender;
    std::unique_ptr<link::ReceiveThread> m_receiver;
    std::unique_ptr<ReadoutPainterThread> m_painter;
    uint64_t m_framesHandled = 0;
    std::optional<audio::OpenResult> m_opened;
    bool m_stopped = false;
    bool m_updateFormShown = false;
    bool m_touchLocked = false;
};

} // namespace talix::session
