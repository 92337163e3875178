#include "drawing/gestures/Gesture.h"

#include "drawing/gestures/DrawGesture.h"
#include "drawing/gestures/EraseGesture.h"
#include "drawing/gestures/PointGesture.h"
#include "drawing/gestures/TextGesture.h"

std::unique_ptr<Gesture> makeGesture(Tool::Gesture kind, DrawingViewModel &model) {
    switch (kind) {
    case Tool::Gesture::draw:
        return std::make_unique<DrawGesture>(model);
    case Tool::Gesture::erase:
        return std::make_unique<EraseGesture>(model);
    case Tool::Gesture::write:
        return std::make_unique<TextGesture>(model);
    case Tool::Gesture::point:
        return std::make_unique<PointGesture>(model);
    }
    return nullptr;
}
