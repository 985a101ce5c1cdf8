#include "common/SystemMusicPlayer.h"

#include <QDir>

#include <string>

#include <windows.h>

#include <mmsystem.h>

namespace {

const wchar_t ListenerClass[] = L"ZentrimoMusicListener";

QString mciErrorText(MCIERROR error) {
    wchar_t text[MAXERRORLENGTH] = {};
    if (!mciGetErrorStringW(error, text, MAXERRORLENGTH))
        return QStringLiteral("MCI error %1").arg(error);
    return QString::fromWCharArray(text);
}

// MCI's MPEG device hands a file to the system's own decoders, so MP3 plays with nothing installed; it
// looks at the bytes, not at the name, which is as well with names such as input.dll. MCI reports the end
// of a piece to a window: a hidden, message-only one listens here.
class WindowsMusicPlayer : public MusicPlayer {
public:
    WindowsMusicPlayer() {
        static const ATOM listenerClass = [] {
            WNDCLASSW windowClass = {};
            windowClass.lpfnWndProc = &WindowsMusicPlayer::receive;
            windowClass.hInstance = GetModuleHandleW(nullptr);
            windowClass.lpszClassName = ListenerClass;
            return RegisterClassW(&windowClass);
        }();
        if (listenerClass)
            m_listener = CreateWindowExW(0, ListenerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                         GetModuleHandleW(nullptr), nullptr);
        if (m_listener)
            SetWindowLongPtrW(m_listener, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        else
            qWarning("Music off: no window to hear the end of a piece (error %lu)", GetLastError());
    }

    ~WindowsMusicPlayer() override {
        close();
        if (m_listener)
            DestroyWindow(m_listener);
    }

    void openAndPlay(const QString& path) override {
        close();
        if (!m_listener)
            return;
        const std::wstring file = QDir::toNativeSeparators(path).toStdWString();
        MCI_OPEN_PARMSW open = {};
        open.lpstrDeviceType = L"mpegvideo";
        open.lpstrElementName = file.c_str();
        if (!succeeded(mciSendCommandW(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT,
                                       reinterpret_cast<DWORD_PTR>(&open)),
                       path))
            return;
        m_device = open.wDeviceID;
        MCI_PLAY_PARMS play = {};
        play.dwCallback = reinterpret_cast<DWORD_PTR>(m_listener);
        if (!succeeded(mciSendCommandW(m_device, MCI_PLAY, MCI_NOTIFY, reinterpret_cast<DWORD_PTR>(&play)),
                       path))
            close();
    }

private:
    // No sound device or decoder is no reason to stop the wizard: it runs on silently.
    static bool succeeded(MCIERROR error, const QString& path) {
        if (error)
            qWarning("Music off: %s: %s", qPrintable(QDir::toNativeSeparators(path)),
                     qPrintable(mciErrorText(error)));
        return !error;
    }

    void close() {
        if (m_device)
            mciSendCommandW(m_device, MCI_CLOSE, MCI_WAIT, 0);
        m_device = 0;
    }

    static LRESULT CALLBACK receive(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message != MM_MCINOTIFY)
            return DefWindowProcW(window, message, wParam, lParam);
        auto* player = reinterpret_cast<WindowsMusicPlayer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        // A piece closed before its end reports itself aborted or superseded: only a real end counts. The
        // device in lParam is not compared, since Wine sends 0 there; only one piece is ever open.
        if (player && player->m_device && wParam == MCI_NOTIFY_SUCCESSFUL)
            emit player->playbackEnded();
        return 0;
    }

    HWND m_listener = nullptr;
    MCIDEVICEID m_device = 0;
};

} // namespace

std::unique_ptr<MusicPlayer> makeSystemMusicPlayer() {
    return std::make_unique<WindowsMusicPlayer>();
}
