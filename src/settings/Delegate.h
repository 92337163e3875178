#pragma once

#include <functional>
#include <optional>

// A replaceable callback with a default answer: call() returns what the action answers, or
// the default when the action has no answer.
template <typename Input, typename Output> class Delegate {
public:
    explicit Delegate(Output defaultValue)
        : defaultValue(defaultValue)
        , action([defaultValue](Input) -> std::optional<Output> { return defaultValue; }) {}

    Output call(Input input) const {
        if (action) {
            if (std::optional<Output> answer = action(input))
                return *answer;
        }
        return defaultValue;
    }

    const Output defaultValue;
    std::function<std::optional<Output>(Input)> action;
};
