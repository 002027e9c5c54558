// The bars subsystem's public interface: the prompt bars, the time-up prompt with its backdrop,
// and the effect windows (spotlight, moving backgrounds, the author window). Other folders
// include this header, never the files behind it.
#pragma once

#include "bars/bar_position.h"
#include "bars/frm_author_wx.h"
#include "bars/frm_black.h"
#include "bars/frm_light.h"
#include "bars/frm_move_background.h"
#include "bars/frm_move_before.h"
#include "bars/frm_process.h"
#include "bars/frm_tishi.h"
#include "bars/spotlight_menu.h"
