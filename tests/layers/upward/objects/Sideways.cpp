// Sideways: objects and brushes stand on one level.
#include <d3d9.h>
  #  include "brushes/QV_BrushObj.h"
