#pragma once

#include <QString>
#include <cstdint>
#include <span>
#include <vector>

namespace talix::update {

// What the transfer needs from the form: the link, its two timers and the controls it changes.
// The timers only start and stop here; their expiries come back as replyTimerExpired() and
// clearingTick(), so a test can run them on a clock of its own.
class UpdateTransferHost {
public:
    virtual ~UpdateTransferHost() = default;
    virtual bool linkConnected() = 0;
    // Hands one record to the link, ahead of the queued commands; false when the link is down or
    // has connected anew. Returns at once: a write that fails later drops the link, and the next
    // record finds it so.
    virtual bool send(std::span<const uint8_t> record) = 0;
    virtual void startReplyTimer(int ms) = 0; // Timer: one expiry, unless started again
    virtual void stopReplyTimer() = 0;
    virtual void startClearingTick() = 0; // Timer2: every second until stopped
    virtual void stopClearingTick() = 0;
    virtual void setSendCaption(const QString& text) = 0; // L_Send
    virtual void setBytes(int64_t number) = 0;            // L_Bytes, shown with digit grouping
    virtual void setProgress(int percent) = 0;            // PB_Sent
    virtual void setStartEnabled(bool enabled) = 0;       // B_Start
    virtual void setTargetsEnabled(bool enabled) = 0;     // GB_Update
    // Shows a result modally; events that arrive meanwhile find the transfer past its waits.
    virtual void showMessage(const QString& text) = 0;
};

// The firmware transfer to the board or to its WiFi CPU: a handshake, the start record, the
// board clearing its memory, the packets one per reply and, for the WiFi CPU, the burning. It
// runs on the user interface thread as events arrive (replies, timer expiries, ticks) and never
// waits itself.
class UpdateTransfer {
public:
    enum class Target { Firmware, WiFi };
    enum class Stage { Idle, Handshake, SelectCpu, Start, Transfer, Burning, Result };

    static constexpr int kReplyTimeoutMs = 6000;
    static constexpr int kBurnTimeoutMs = 4000;
    static constexpr int kClearingTicks = 20;
    static constexpr int32_t kNoReply = -1;
    static constexpr int32_t kAccepted = 85; // also "busy" and "4096 more bytes burnt"
    static constexpr int32_t kReady = 0;
    static constexpr int32_t kClearing = 90;
    static constexpr int32_t kBurnt = 15;
    // Files larger than this are not update images; loading one would stall the interface.
    static constexpr int64_t kLargestImage = 64 * 1024 * 1024;

    explicit UpdateTransfer(UpdateTransferHost& host) : m_host(host) {}

    // Starts an update of `target` from the file at `path`, whose name without its drive is
    // `fileName`. A missing file or a link that is down ends it at once, silently.
    void start(Target target, const QString& path, const QString& fileName);
    // A reply word from the board.
    void reply(uint32_t word);
    void replyTimerExpired();
    void clearingTick();
    // The user left the form: the update stops where it is and the board is greeted back.
    void abort();

    Stage stage() const { return m_stage; }
    bool busy() const { return m_busy; }

    static const QString kNotLoaded;   // "File cannot be loaded into TLX!"
    static const QString kFinished;    // "File transfer finished successfully!"
    static const QString kTimeout;     // "Timeout: Device doesn't respond!"
    static const QString kNoBoard;     // "Nimbrel doesn't respond!"
    static const QString kNoWiFiCpu;   // "WiFi-CPU doesn't respond!"
    static const QString kNotActivated; // "Could not automatically activate new driver!"
    static const QString kNotAllBurnt; // "Could not burn all bytes into WiFi CPU!"
    static const QString kLinkFailed;  // "Can not open WiFi connection!"
    static const QString kClearingCaption;
    static const QString kSentCaption;
    static const QString kBurningCaption;

private:
    void resume();
    void handshakeAnswered();
    void wifiCpuAnswered();
    void sendStart();
    void startAnswered();
    void transferStep();
    std::vector<uint8_t> nextPacket();
    void afterTransfer();
    void burningEnded();
    void showResult();
    void end(bool connectionFailure);
    void connectionFailure();
    void refused(const QString& message);
    void request(Stage stage, std::span<const uint8_t> record, int32_t fallback);
    bool sendOrFail(std::span<const uint8_t> record);
    void expire(); // the reply timer's expiry, also the last clearing tick's
    void showBytes(int64_t number);
    void showProgress();

    UpdateTransferHost& m_host;
    Stage m_stage = Stage::Idle;
    Target m_target = Target::Firmware;
    int32_t m_reply = kNoReply;
    int32_t m_fallback = kNoReply;
    int m_group = 1;
    int64_t m_bytes = 0; // sent; while burning, left to burn
    int64_t m_shown = 0; // the number L_Bytes shows
    QString m_result;
    bool m_busy = false;
    bool m_burning = false;
    std::vector<uint8_t> m_image;
    std::vector<uint8_t> m_name;
    QString m_path;
    QString m_fileName;
    uint8_t m_startCode = 0;
};

} // namespace talix::update
