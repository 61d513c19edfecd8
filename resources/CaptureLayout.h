#pragma once

#include "resources/Twips.h"

// The main window's stored layout, in twips. Positions are relative to the
// control's parent: the window's client area for the frames, the frame for its
// inner picture box, the picture box for everything inside it.
namespace CaptureLayout {

using Twips::Box;

// Client area in the play-and-record layout.
constexpr int ClientWidth = 6855;
constexpr int ClientHeight = 6660;
// Outer heights (title bar, menu bar and borders included) of the three modes.
constexpr int HeightPlayAndRecord = 7440;
constexpr int HeightRecord = 5545;
constexpr int HeightPlay = 3120;

constexpr Box Frame1{120, 75, 6585, 1875};        // "Media Player"
constexpr Box Picture2{75, 240, 6450, 1545};
constexpr Box Label8{120, 45, 915, 255};          // "File Name:"
constexpr Box TextMedia{1035, 15, 2940, 315};
constexpr Box Command1{4035, 15, 1035, 330};      // "Br&owse..."
constexpr Box CmdURL{5145, 15, 1035, 330};        // "&URL"
constexpr Box MediaPlayer1{90, 360, 6240, 1065};

constexpr Box Frame2{120, 1995, 6600, 4305};      // "Sound Recorder"
constexpr Box Picture1{75, 210, 6450, 4065};
constexpr Box Label3{90, 105, 675, 210};          // "Save as:"
constexpr Box TextWavFile{795, 45, 2670, 315};
constexpr Box Command2{3540, 45, 1110, 345};      // "&Browse..."
constexpr Box CmdStart{90, 495, 1110, 345};       // "&Record"
constexpr Box CmdPause{1245, 495, 1110, 345};     // "&Pause"
constexpr Box CmdStop{2385, 495, 1110, 345};      // "&Stop"
constexpr Box CmdPlay{3540, 495, 1110, 345};      // "&Play"
constexpr Box Label4{90, 990, 615, 210};          // "Quality:"
constexpr Box LabelFomartStr{765, 990, 3000, 210};
constexpr Box CmdSet{3540, 930, 1110, 345};       // "Se&t"
constexpr Box Label6{90, 1440, 630, 210};         // "Source:"
constexpr Box ComboSource{840, 1380, 3825, 330};
constexpr Box Label2{120, 1875, 600, 210};        // "Device:"
constexpr Box DeviceCombo{840, 1830, 3825, 330};
constexpr Box Label5{5055, 15, 675, 210};         // "Balance:"
constexpr Box slBalance{5175, 315, 900, 345};
constexpr Box Label1{5085, 810, 675, 210};        // "Volume:"
constexpr Box slVolume{5475, 1065, 390, 1215};   // ends above the level display (2295)
constexpr Box AudioDisplay21{15, 2295, 6405, 1725};
constexpr Box PicPreset1{6165, 2355, 195, 195};
// Decoration.
constexpr Box Divider{4800, 45, 30, 2130};
constexpr Box SpeakerLeft{4935, 390, 240, 240};   // 16 x 16 pixels
constexpr Box SpeakerRight{6075, 390, 240, 240};
constexpr Box BalanceScale{5310, 690, 630, 75};   // 42 x 5 pixels
constexpr Box VolumeWedge{5790, 1185, 195, 1020}; // 13 x 68 pixels

constexpr Box StatusBar1{0, 6315, 6855, 345};

} // namespace CaptureLayout
