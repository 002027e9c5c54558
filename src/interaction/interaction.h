// The interaction subsystem's public interface: the interaction countdown window and its settings
// window. Other folders include this header, never the files behind it.
#pragma once

#include "interaction/frm_hudong.h"
#include "interaction/frm_hudong_set.h"
