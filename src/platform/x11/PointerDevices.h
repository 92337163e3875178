#pragma once

#include "platform/x11/PointerStream.h"

#include <QHash>

#include <optional>

#include <xcb/xinput.h>

// The input devices of the X server as the pointer stream needs them, and the samples their
// XInput 2 events make.
//
// A pen tablet's stylus reports its pressure as a valuator labelled "Abs Pressure". A master
// pointer's event carries the valuators of the device it came from (its source), under their
// numbers on that device, so the pressure is looked up by the source. The eraser end of a
// stylus is a device of its own: the wacom driver names it "... eraser" and gives it the
// "Wacom Tool Type" ERASER; libinput's driver names a tool's device after the tool
// ("... Eraser (...)"). A device with "eraser" in its name, in any case, or whose tool type
// says so, is an eraser.
class PointerDevices {
public:
    struct Device {
        bool master = false;
        bool eraser = false;
        int pressureAxis = -1; // the valuator's number; -1 where the device reports none
        double pressureMin = 0, pressureMax = 0;
        double pressure = 0; // the last one reported, 0 to 1
    };

    // Asks the X server: one round trip, and one more where the wacom driver runs.
    void learn(xcb_connection_t *conn);
    bool contains(xcb_input_device_id_t id) const { return m_devices.contains(id); }
    void insert(xcb_input_device_id_t id, const Device &device) { m_devices.insert(id, device); }

    // The sample of a button press, button release or motion event, or none where it is not a
    // master pointer's (a physical device sends a copy of its own) or the button not the first.
    // A motion whose pressure did not change may leave it out; the last one reported stands.
    std::optional<PointerStream::Sample> sample(const xcb_input_button_press_event_t *event);
    // What a device's raw event tells of its tip: the pressure and whether it is an eraser.
    struct Tip {
        std::optional<double> pressure;
        bool eraser = false;
    };
    Tip tip(const xcb_input_raw_button_press_event_t *event);

private:
    Tip tipOf(xcb_input_device_id_t source, const uint32_t *mask, int words,
              const xcb_input_fp3232_t *values);

    QHash<xcb_input_device_id_t, Device> m_devices;
};
