// Palette: the shared material ramps, so every picture speaks the same colours.
#pragma once

#include "shade.h"

namespace tq::art {

inline const Ramp kGrass = Ramp(0x2d5e2a, 0x3d7a33, 0x4f933b, 0x76b84c);
inline const Ramp kLeaf = Ramp(0x1f4a24, 0x2f6a2c, 0x4a8e36, 0x7ab84a);
inline const Ramp kLeafDark = Ramp(0x173a2a, 0x215236, 0x2f6e42, 0x4e9258);
inline const Ramp kBark = Ramp(0x3a2516, 0x573823, 0x74502f, 0x936a42);
inline const Ramp kWood = Ramp(0x5a3a1e, 0x7c5430, 0x9a6c3e, 0xc09060);
inline const Ramp kDirt = Ramp(0x3e2c1e, 0x56402c, 0x6c5238, 0x88694a);
inline const Ramp kStone = Ramp(0x4a4a55, 0x6c6c78, 0x8e8e98, 0xb8b8c0);
inline const Ramp kSnow = Ramp(0x9fb2cc, 0xc3d2e4, 0xe2eaf4, 0xffffff);
inline const Ramp kWater = Ramp(0x1d3f7a, 0x2a5aa0, 0x3d78c0, 0x8cc4ec);
inline const Ramp kGold = Ramp(0x7a5010, 0xb8821c, 0xe8b830, 0xfff0a0);
inline const Ramp kSteel = Ramp(0x3c4450, 0x6a7480, 0x9ca6b0, 0xe4ecf0);
inline const Ramp kRed = Ramp(0x5c1218, 0x8e2024, 0xc83a30, 0xf07a60);
inline const Ramp kBlue = Ramp(0x1a2c6a, 0x2a48a8, 0x4a74d8, 0x9ac0f8);
inline const Ramp kPurple = Ramp(0x3a1650, 0x5c2680, 0x8844b8, 0xc890f0);
inline const Ramp kSkin = Ramp(0x8a5030, 0xb87650, 0xe0a078, 0xf8cca8);
inline const Ramp kCloth = Ramp(0x6a5a40, 0x8e7a58, 0xb8a078, 0xe0ccA0);
inline const Ramp kParchment = Ramp(0x9a7a48, 0xc8a870, 0xe4cc94, 0xf8ecc0);
inline const Ramp kStraw = Ramp(0x6e5420, 0x9c7c30, 0xc8a448, 0xecd078);
inline const Ramp kBlack = Ramp(0x0c0c12, 0x1c1c26, 0x30303e, 0x50506a);
inline const Ramp kFire = Ramp(0xb02010, 0xe05a10, 0xf8a020, 0xfff080);

}  // namespace tq::art
