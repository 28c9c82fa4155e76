#pragma once
// The meshes of the built-in module and of the default scene, in model units that the 3D
// objects scale to picture pixels.
#include "XFileWriter.h"

namespace meshes {

// A slender body along Z, head at +Z, 60 long: drawn opaque with one winding, so its
// outward faces are the ones the player's view shows.
MeshData ButterflyBody();
// One flat wing in the XZ plane, hinged along Z at x = 0 and reaching to x = 70; texture u
// runs from hinge to tip, v from the front (+Z) to the back.
MeshData ButterflyWing();
// A flat disc of radius 50 in the XZ plane; texture u along +X, v against +Z, so a picture's
// top lies toward +Z.
MeshData FlatDisc();
// A leaf folded along its midrib: 24 wide, 40 long in the XY plane, the fold raised in Z.
MeshData FoldedLeaf();

}  // namespace meshes
