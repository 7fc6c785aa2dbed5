#pragma once
// Hooks on real windows through the platform's subclass chain (comctl32), which lets hooks on
// one window be removed in any order and always leaves the window a live procedure.

#include "host/controls/HookRegistry.h"

namespace wavorin::controls {

class WindowSubclasser final : public ProcedureSwitch {
public:
    bool Install(HookRecord& record) override;
    void Remove(HookRecord& record) override;
};

}  // namespace wavorin::controls
