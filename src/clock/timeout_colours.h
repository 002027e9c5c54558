// The overtime look of the clock windows: once the count-down has passed zero with the time-out
// colours chosen, each window's one-shot Timer8 gives its text the time-out text colour and its
// background the back picture again, the time-out background colour or, with the transparent
// background, a key matched to the new text colour. Blinking stops and the overtime prefix is
// cleared. The next text update draws the face in the new colours.
#pragma once

namespace horalix {

namespace platform {
struct Platform;
}
class FloatingClock;
class InteractionMenu;
class MirrorClock;

// The tick of the floating clock's Timer8; with the extended screen in use (as the interaction
// menu and the platform's settings tell) it also recolours the mirror's text surface and
// background.
void timeoutColours(platform::Platform& platform, InteractionMenu& interactionMenu,
                    MirrorClock& mirrorClock, FloatingClock& clock);
// The tick of the mirror's Timer8: the mirror alone.
void timeoutColours(MirrorClock& mirror);

}  // namespace horalix
