// SliderRange: a slider's range and position as the native control keeps
// them: the position stays clamped into the range, and a range whose ends
// cross is closed at the end just set.
#pragma once

namespace scrubwell {

struct SliderRange {
    int min, max, position;

    // Each returns true when the position moved.
    bool SetMin(int value)
    {
        min = value;
        if (max < min)
            max = min;
        return MoveTo(position);
    }
    bool SetMax(int value)
    {
        max = value;
        if (min > max)
            min = max;
        return MoveTo(position);
    }
    bool MoveTo(int wanted)
    {
        const int clamped = wanted < min ? min : wanted > max ? max : wanted;
        if (clamped == position)
            return false;
        position = clamped;
        return true;
    }
};

} // namespace scrubwell
