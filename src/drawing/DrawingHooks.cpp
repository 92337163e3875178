#include "drawing/DrawingHooks.h"

DrawingHooks &DrawingHooks::shared() {
    static DrawingHooks hooks;
    return hooks;
}
