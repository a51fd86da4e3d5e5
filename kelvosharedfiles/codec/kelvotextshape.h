// A shape that carries text; adds nothing to KelvoObjShape yet.
#pragma once

#include "kelvoobjshape.h"

class KelvoTextShape : public KelvoObjShape {};
