#pragma once

#include <QMap>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

// Pointer and keys sent through a Wayland compositor, as a device sends them, so that the
// compositor picks the surface under the pointer and the one with the focus. Keys are named as
// xdotool names them ("4", "Escape", "ctrl+z"); buttons are X's (1 the left, 4 and 5 the wheel).
class CompositorInput {
public:
    virtual ~CompositorInput() = default;
    void move(QPoint point) {
        m_at = point;
        pointer(m_at, m_buttons);
    }
    void button(int number, bool down) {
        m_buttons = down ? quint8(1 << (number - 1)) : 0;
        pointer(m_at, m_buttons);
    }
    // Each combination of `keys`, pressed and released in turn.
    void keys(const QString &keys) {
        for (const QString &combo : keys.split(u' ', Qt::SkipEmptyParts)) {
            const QStringList parts = combo.split(u'+');
            const bool shift = parts.contains(u"shift"_qs, Qt::CaseInsensitive);
            for (const QString &part : parts)
                key(part, true, shift);
            for (auto part = parts.crbegin(); part != parts.crend(); ++part)
                key(*part, false, shift);
        }
    }
    void key(const QString &name, bool down, bool shift = false) {
        quint32 sym = keysym(name);
        // RFB sends what a key produces: with Shift, "A" rather than "a".
        if (shift && sym >= 'a' && sym <= 'z')
            sym -= 0x20;
        else if (shift && sym < 0x80 && kUsShift.contains(char(sym)))
            sym = quint32(kUsShift.at(kUsShift.indexOf(char(sym)) + 1).unicode());
        keyEvent(sym, down);
    }

protected:
    // The pointer at `at` with the buttons of the mask held (bit 0 the left, bits 3 and 4 the
    // wheel's notches).
    virtual void pointer(QPoint at, quint8 buttons) = 0;
    virtual void keyEvent(quint32 keysym, bool down) = 0;

private:
    static quint32 keysym(const QString &name) {
        static const QMap<QString, quint32> named = {
            {u"escape"_qs, 0xff1b},   {u"return"_qs, 0xff0d},    {u"backspace"_qs, 0xff08},
            {u"tab"_qs, 0xff09},      {u"shift"_qs, 0xffe1},     {u"shift_l"_qs, 0xffe1},
            {u"ctrl"_qs, 0xffe3},     {u"control_l"_qs, 0xffe3}, {u"alt"_qs, 0xffe9},
            {u"super"_qs, 0xffeb},    {u"page_down"_qs, 0xff56}, {u"page_up"_qs, 0xff55},
            {u"left"_qs, 0xff51},     {u"up"_qs, 0xff52},        {u"right"_qs, 0xff53},
            {u"down"_qs, 0xff54},     {u"slash"_qs, '/'},        {u"space"_qs, ' '},
            {u"bracketleft"_qs, '['}, {u"bracketright"_qs, ']'}, {u"period"_qs, '.'},
        };
        if (name.size() == 1)
            return name.at(0).toLower().unicode();
        return named.value(name.toLower(), 0);
    }
    // Each key of the US layout followed by what Shift makes of it.
    static inline const QString kUsShift = u"`~1!2@3#4$5%6^7&8*9(0)-_=+[{]}\\|;:'\",<.>/?"_qs;
    QPoint m_at;
    quint8 m_buttons = 0;
};

// Through wayvnc (sway): an RFB client, which wayvnc turns into the compositor's virtual pointer
// and keyboard. wayvnc drops a move to where the pointer is, and turns the wheel on the release.
class VncInput : public CompositorInput {
public:
    ~VncInput() override {
        if (m_socket >= 0)
            ::close(m_socket);
    }
    // Connects to wayvnc on the loopback `port`: RFB 3.8 without authentication.
    bool connect(quint16 port) {
        m_socket = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        char version[12], types[64], result[4], init[24];
        const bool ok =
            ::connect(m_socket, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 &&
            receive(version, 12) && QByteArray(version, 8) == "RFB 003." &&
            send("RFB 003.008\n", 12) && receive(types, 1) && types[0] > 0 &&
            receive(types + 1, types[0]) && send("\1", 1) && receive(result, 4) && result[3] == 0 &&
            send("\1", 1) && receive(init, 24) &&
            skip(ntohl(*reinterpret_cast<quint32 *>(init + 20)));
        if (!ok) {
            ::close(m_socket);
            m_socket = -1;
        }
        return ok;
    }

    // A port on the loopback that nothing listens on.
    static quint16 freePort() {
        const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(probe, reinterpret_cast<sockaddr *>(&address), sizeof address);
        ::getsockname(probe, reinterpret_cast<sockaddr *>(&address), &length);
        ::close(probe);
        return ntohs(address.sin_port);
    }

protected:
    void pointer(QPoint at, quint8 buttons) override {
        const char message[6] = {
            5, char(buttons), char(at.x() >> 8), char(at.x()), char(at.y() >> 8), char(at.y())};
        send(message, 6);
    }
    void keyEvent(quint32 sym, bool down) override {
        const char message[8] = {
            4, char(down), 0, 0, char(sym >> 24), char(sym >> 16), char(sym >> 8), char(sym)};
        send(message, 8);
    }

private:
    bool send(const char *data, qsizetype size) {
        return m_socket >= 0 && ::send(m_socket, data, size_t(size), MSG_NOSIGNAL) == size;
    }
    bool receive(char *data, qsizetype size) {
        for (qsizetype got = 0; got < size;) {
            const ssize_t read = ::recv(m_socket, data + got, size_t(size - got), 0);
            if (read <= 0)
                return false;
            got += read;
        }
        return true;
    }
    bool skip(quint32 size) {
        QByteArray rest(qsizetype(size), 0);
        return receive(rest.data(), rest.size());
    }

    int m_socket = -1;
};
