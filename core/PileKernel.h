#pragma once

// Kernel of a laterally loaded pile in soil whose resistance grows linearly with depth.
