#pragma once

#include <QRegion>

namespace mensurix {

// A rectangle with rounded corners, in the pixel convention of window regions: right and bottom
// are exclusive, so (1, 1, 610, 450, 9, 9) keeps columns 1 to 609 and rows 1 to 449. Each corner
// is cut along an ellipse ellipseWidth x ellipseHeight (clamped to the rectangle) that touches
// the two edges; a pixel stays when its centre lies inside that ellipse. Below 2 pixels in either
// direction the ellipse rounds nothing and the region is the plain rectangle. Swapped edges are
// put in order first.
QRegion RoundRectRegion(int left, int top, int right, int bottom, int ellipseWidth,
                        int ellipseHeight);

} // namespace mensurix
