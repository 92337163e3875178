#include "platform/x11/PointerDevices.h"

#include "platform/DiagnosticLog.h"
#include "platform/x11/X11.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>

namespace {
double fromFixed(xcb_input_fp3232_t value) {
    return value.integral + value.frac / 4294967296.0;
}

xcb_intern_atom_cookie_t existingAtom(xcb_connection_t *conn, const char *name) {
    return xcb_intern_atom(conn, 1, uint16_t(std::strlen(name)), name);
}

xcb_atom_t atomOf(xcb_connection_t *conn, xcb_intern_atom_cookie_t cookie) {
    const XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(conn, cookie, nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The value of valuator `number` in the event, if the event carries it: the values follow in
// the order of the bits set in the mask.
std::optional<double> valuator(const uint32_t *mask, int words, const xcb_input_fp3232_t *values,
                               int number) {
    if (number < 0 || number >= words * 32)
        return {};
    const uint32_t bit = 1u << (number % 32);
    if (!(mask[number / 32] & bit))
        return {};
    int index = std::popcount(mask[number / 32] & (bit - 1));
    for (int word = 0; word < number / 32; ++word)
        index += std::popcount(mask[word]);
    return fromFixed(values[index]);
}
} // namespace

void PointerDevices::learn(xcb_connection_t *conn) {
    const xcb_intern_atom_cookie_t pressureCookie = existingAtom(conn, "Abs Pressure");
    const xcb_intern_atom_cookie_t toolTypeCookie = existingAtom(conn, "Wacom Tool Type");
    const xcb_intern_atom_cookie_t eraserCookie = existingAtom(conn, "ERASER");
    const XcbReply<xcb_input_xi_query_device_reply_t> reply(xcb_input_xi_query_device_reply(
        conn, xcb_input_xi_query_device(conn, XCB_INPUT_DEVICE_ALL), nullptr));
    const xcb_atom_t pressureLabel = atomOf(conn, pressureCookie);
    const xcb_atom_t toolType = atomOf(conn, toolTypeCookie);
    const xcb_atom_t eraserType = atomOf(conn, eraserCookie);
    m_devices.clear();
    if (!reply)
        return;
    QList<std::pair<xcb_input_device_id_t, xcb_input_xi_get_property_cookie_t>> toolTypes;
    for (auto it = xcb_input_xi_query_device_infos_iterator(reply.get()); it.rem;
         xcb_input_xi_device_info_next(&it)) {
        const xcb_input_xi_device_info_t *info = it.data;
        Device device;
        device.master = info->type == XCB_INPUT_DEVICE_TYPE_MASTER_POINTER;
        const QString name = QString::fromUtf8(xcb_input_xi_device_info_name(info), info->name_len);
        device.eraser = name.contains(QLatin1String("eraser"), Qt::CaseInsensitive);
        for (auto classes = xcb_input_xi_device_info_classes_iterator(info); classes.rem;
             xcb_input_device_class_next(&classes)) {
            if (classes.data->type != XCB_INPUT_DEVICE_CLASS_TYPE_VALUATOR || !pressureLabel)
                continue;
            const auto *axis = reinterpret_cast<const xcb_input_valuator_class_t *>(classes.data);
            const double min = fromFixed(axis->min), max = fromFixed(axis->max);
            if (axis->label != pressureLabel || max <= min)
                continue;
            device.pressureAxis = axis->number;
            device.pressureMin = min;
            device.pressureMax = max;
            device.pressure = std::clamp((fromFixed(axis->value) - min) / (max - min), 0.0, 1.0);
        }
        if (toolType && eraserType && info->type == XCB_INPUT_DEVICE_TYPE_SLAVE_POINTER)
            toolTypes.append(
                {info->deviceid,
                 xcb_input_xi_get_property(conn, info->deviceid, 0, toolType, XCB_ATOM_ANY, 0, 1)});
        if (device.pressureAxis >= 0 || device.eraser)
            QLOG("Pointer device", name, "reports pressure:", device.pressureAxis >= 0,
                 "eraser:", device.eraser);
        m_devices.insert(info->deviceid, device);
    }
    for (const auto &[id, cookie] : std::as_const(toolTypes)) {
        const XcbReply<xcb_input_xi_get_property_reply_t> property(
            xcb_input_xi_get_property_reply(conn, cookie, nullptr));
        if (property && property->format == 32 && property->num_items == 1 &&
            *static_cast<const uint32_t *>(xcb_input_xi_get_property_items(property.get())) ==
                eraserType)
            m_devices[id].eraser = true;
    }
}

std::optional<PointerStream::Sample>
PointerDevices::sample(const xcb_input_button_press_event_t *event) {
    if (!m_devices.value(event->deviceid).master)
        return {};
    PointerStream::Sample sample;
    const uint32_t *buttons = xcb_input_button_press_button_mask(event);
    sample.leftButton = event->buttons_len > 0 && (buttons[0] & (1u << 1));
    sample.position = QPointF(event->event_x / 65536.0, event->event_y / 65536.0);
    sample.shift = event->mods.effective & XCB_MOD_MASK_SHIFT;
    switch (event->event_type) {
    case XCB_INPUT_MOTION:
        break;
    case XCB_INPUT_BUTTON_PRESS:
    case XCB_INPUT_BUTTON_RELEASE:
        // The wheel's notches are presses of buttons 4 (away) and 5 (towards).
        if ((event->detail == 4 || event->detail == 5) &&
            event->event_type == XCB_INPUT_BUTTON_PRESS) {
            sample.kind = PointerStream::Kind::Wheel;
            sample.wheel = event->detail == 4 ? 1 : -1;
            sample.control = event->mods.effective & XCB_MOD_MASK_CONTROL;
            return sample;
        }
        if (event->detail != 1)
            return {};
        // The button mask tells the state before the event.
        sample.kind = event->event_type == XCB_INPUT_BUTTON_PRESS ? PointerStream::Kind::Press
                                                                  : PointerStream::Kind::Release;
        sample.leftButton = sample.kind == PointerStream::Kind::Press;
        break;
    default:
        return {};
    }
    const Tip tip = tipOf(event->sourceid, xcb_input_button_press_valuator_mask(event),
                          event->valuators_len, xcb_input_button_press_axisvalues(event));
    sample.pressure = tip.pressure;
    sample.eraser = tip.eraser;
    return sample;
}

PointerDevices::Tip PointerDevices::tip(const xcb_input_raw_button_press_event_t *event) {
    return tipOf(event->sourceid, xcb_input_raw_button_press_valuator_mask(event),
                 event->valuators_len, xcb_input_raw_button_press_axisvalues(event));
}

PointerDevices::Tip PointerDevices::tipOf(xcb_input_device_id_t source, const uint32_t *mask,
                                          int words, const xcb_input_fp3232_t *values) {
    const auto found = m_devices.find(source);
    if (found == m_devices.end())
        return {};
    Device &device = *found;
    Tip tip{std::nullopt, device.eraser};
    if (device.pressureAxis >= 0) {
        if (const std::optional<double> value = valuator(mask, words, values, device.pressureAxis))
            device.pressure = std::clamp((*value - device.pressureMin) /
                                             (device.pressureMax - device.pressureMin),
                                         0.0, 1.0);
        tip.pressure = device.pressure;
    }
    return tip;
}
