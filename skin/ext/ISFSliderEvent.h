// What a scene handle (CSFQTVSliderItem) reports while it is dragged.
#pragma once

class ISFSliderEvent
{
public:
    virtual ~ISFSliderEvent() = default;
    // The handle of the given type now stands at coordinate (scene pixels along its axis).
    virtual void OnSliderMoved(int type, double coordinate) = 0;
};
