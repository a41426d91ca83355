#include "core/tournament.h"

#include "core/skier_ops.h"

Tournament::Tournament() { InitSkierList(*this); }
