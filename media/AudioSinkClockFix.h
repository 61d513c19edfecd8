#pragma once

// Qt 6.4's GStreamer backend runs every player pipeline on the system clock,
// so the PulseAudio sink slaves its own clock to it ("skew" method). Now and
// then, right after playback starts or after a seek, that computes an absurd
// skew and the sink throws the sound away: silence, or the end of an
// eight-second file within a second. Without slaving, the sink renders the
// samples as they come; the sound card's and the system's clocks differ by
// far too little to matter for a player.
//
// Installs, once, a hook that sets every GStreamer audio sink added to a bin
// from then on to "slave-method" none. GStreamer is reached through the
// libraries the Qt backend has loaded; without them this does nothing.
// Returns whether the hook is in place.
bool installAudioSinkClockFix();
