#pragma once

#include "app/LinkWindow.h"
#include "app/StartOptions.h"
#include "audio/DeviceEvent.h"
#include "audio/PlaybackRing.h"
#include "base/DriveMap.h"
#include "base/ManualResetEvent.h"
#include "link/CommandQueue.h"
#include "link/LinkPort.h"
#include "link/ReceiveThread.h"
#include "link/SenderThread.h"

#include <QWidget>
#include <array>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>

namespace talix::controls {
class MainControls;
class MainWindowHandlers;
} // namespace talix::controls
namespace talix::display {
class ReadoutPainter;
class SpectrumScreen;
class TXLAN;
} // namespace talix::display

namespace talix::app {

class HostControls;
class MainWindowItems;

constexpr int kFieldTableSize = 38;

// TFMain: the main window. FormCreate sets up everything the running program needs and starts the
// three worker threads; FormDestroy stops them (sender, receiver, painter) and releases it all.
class TFMain : public QWidget, public LinkMessageHandler {
    Q_OBJECT
public:
    struct Context {
        StartOptions options;
        DriveMap drives;
        link::ReceiveTimings receiveTimings;
        std::chrono::milliseconds senderWait{666};
        std::chrono::milliseconds painterWait{700};
        std::chrono::milliseconds batteryInterval{1111};   // Timer1
        std::chrono::milliseconds touchLockReenable{3000}; // Timer2
    };

    explicit TFMain(Context context);
    ~TFMain() override;

    void FormCreate();
    void FormDestroy();

    // Set from the first step of FormCreate until the program ends; every worker thread watches it.
    std::atomic<bool> Closing{false};

    controls::MainControls* controls() const { return m_controls.get(); }
    // The spectrum Panel2 and the waterfall Panel3 with their tick strip and side marks.
    display::SpectrumScreen* spectrum() const { return m_spectrum.get(); }
    std::array<QWidget*, kFieldTableSize> TFieldTable{};
    int NextFileNumber = 0;
    ManualResetEvent PaintEvent;

    // Empty when start-up stopped early (no audio device): the program then runs without a link.
    link::TCommandQueue* commandQueue() const { return m_queue.get(); }
    link::LinkPort* linkPort() const { return m_port.get(); }
    LinkWindow* linkWindow() const { return m_linkWindow.get(); }
    bool threadsRunning() const { return m_receiver != nullptr; }
    uint64_t linkFramesHandled() const { return m_framesHandled; }
    // OFF, touch lock, brightness and battery; present from FormCreate to FormDestroy.
    HostControls* hostControls() const { return m_host.get(); }
    // The frame dispatcher with the receiver state, TFormSlots and SelectedField; present from
    // FormCreate to FormDestroy.
    MainWindowItems* items() const { return m_items.get(); }
    // The handlers of the operating controls (S_GeberMouseWheel among them); present from
    // FormCreate to FormDestroy while there is a link.
    controls::MainWindowHandlers* handlers() const { return m_handlers.get(); }
    const DriveMap& drives() const { return m_context.drives; }

    // The board's brightness report (main-window item 28, its value word): L_Bright, TB_Bright and
    // the host display's brightness follow it.
    void applyBrightnessReport(uint32_t valueWord);
    // The board's audio on the host's output: QueueBlock() for each received block while
    // PlaybackOpen(); SetPlaybackVolume() for the loudspeaker volume.
    audio::PlaybackRing& playbackRing() { return m_playbackRing; }

    // The update form's reply receiver; installed by the update form.
    std::function<void(uint32_t)> updateReplyReceiver;
    // One paint pass of the readouts, run on this thread at the painter's request.
    std::function<void()> paintPass;

    // LinkMessageHandler: the message procedure.
    void linkFrame(const uint8_t* payload, uint32_t lParam) override;
    void linkLostDisplay() override;
    void updateReply(uint32_t replyWord) override;
    void deviceMessage(audio::DeviceEvent::Kind kind) override;

    // Ends the program in order (threads, then forms); the host stays on.
    void endProgram();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void fillFieldTable();
    void reportPlayback() const;
    void createHandlers();
    QString wavFolder() const;

    Context m_context;
    std::unique_ptr<controls::MainControls> m_controls;
    std::unique_ptr<display::SpectrumScreen> m_spectrum;
    std::unique_ptr<HostControls> m_host;
    std::unique_ptr<MainWindowItems> m_items;
    link::FrameRing m_frameRing; // outlives the receive thread and LinkWindow
    std::unique_ptr<LinkWindow> m_linkWindow;
    // Outlives the ring, whose device reports through it.
    std::unique_ptr<audio::DeviceEventPoster> m_devicePoster;
    audio::PlaybackRing m_playbackRing;
    std::unique_ptr<link::TCommandQueue> m_queue;
    std::unique_ptr<link::LinkPort> m_port;
    std::unique_ptr<link::TSThread> m_sender;
    std::unique_ptr<link::TWLAN> m_receiver;
    std::unique_ptr<display::ReadoutPainter> m_readouts;
    std::unique_ptr<display::TXLAN> m_painter;
    std::unique_ptr<controls::MainWindowHandlers> m_handlers;
    uint64_t m_framesHandled = 0;
    bool m_created = false;
    bool m_destroyed = false;
};

} // namespace talix::app
