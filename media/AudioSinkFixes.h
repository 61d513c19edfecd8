#pragma once

// Three mendings for Qt 6.4's GStreamer backend, made on the audio sink of
// every player pipeline:
//
// - Clock slaving. The backend runs every pipeline on the system clock, so
//   the PulseAudio sink slaves its own clock to it ("skew" method). Now and
//   then, right after playback starts or after a seek, that computes an
//   absurd skew and the sink throws the sound away: silence, or the end of an
//   eight-second file within a second. Without slaving, the sink renders the
//   samples as they come; the sound card's and the system's clocks differ by
//   far too little to matter for a player.
//
// - The end. At end of stream the sink waits on the system clock until the
//   last sample should have been heard, and then the backend pauses the
//   pipeline, which corks the server's stream with whatever it still holds.
//   The sink's idea of when a sample is heard is off by a few milliseconds
//   (measured: 4 to 15 ms late), so the last milliseconds of every file were
//   never played. The sink's wait at the end is lengthened by 200 ms; by
//   then the server has played everything.
//
// - An empty first segment. Opening a source ends with a seek to 0 whose
//   stop is the duration, which the backend takes as 0 when the pipeline
//   cannot answer yet: now and then the media ended at once, unheard. Seeks
//   that would end before they begin lose their stop.
//
// Installs, once, a hook that does this to every GStreamer audio sink added
// to a bin from then on. GStreamer is reached through the libraries the Qt
// backend has loaded; without them this does nothing. Returns whether the
// hook is in place.
bool installAudioSinkFixes();

// One more for the backend's device watch. To list cameras, Qt 6.4's
// GStreamer backend watches every GStreamer device and unreferences each
// removed one that is not a camera once too often (QGstreamerVideoDevices::
// removeDevice): every sink or source the sound server removes frees a device
// object that is still in use ("g_object_unref: assertion 'G_IS_OBJECT
// (object)' failed" twice, or worse). The backend lists and picks sound
// devices through libpulse, not GStreamer, so GStreamer's device providers are
// ranked out before the backend starts: then it watches nothing. Call it
// before the first multimedia object is made; GStreamer is initialised here
// for that. Returns whether the providers are out.
bool quietGstreamerDeviceProviders();
