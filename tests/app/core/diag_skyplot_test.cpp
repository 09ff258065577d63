#include <gtest/gtest.h>

#include "app/core/SkyPlotGeometry.h"

TEST(SkyPlotGeometry, CentreRadiusAndRings) {
  SkyPlotGeometry g = ComputeSkyGeometry(200, 200);
  EXPECT_EQ(g.cx, 100);
  EXPECT_EQ(g.cy, 100);
  EXPECT_EQ(g.radius, 92);
  EXPECT_EQ(g.RingRadii()[0], 30);
  EXPECT_EQ(g.RingRadii()[1], 60);

  g = ComputeSkyGeometry(300, 100);  // the height decides
  EXPECT_EQ(g.radius, 42);
  EXPECT_EQ(g.cx, 150);
  EXPECT_EQ(g.cy, 50);

  g = ComputeSkyGeometry(198, 201);
  EXPECT_EQ(g.radius, 91);
  EXPECT_EQ(g.cy, 100);

  EXPECT_EQ(ComputeSkyGeometry(10, 10).radius, 0);  // squeezed below its margins
}

TEST(SkyPlotGeometry, LabelBoxes) {
  const auto l = ComputeSkyGeometry(200, 200).Labels();
  EXPECT_EQ(l[0].letter, 'N');
  EXPECT_EQ(l[0].text, (SkyPoint{96, 4}));
  EXPECT_EQ(l[0].box, (SkyRect{93, 3, 16, 18}));
  EXPECT_EQ(l[1].text, (SkyPoint{96, 184}));
  EXPECT_EQ(l[1].box, (SkyRect{92, 182, 16, 18}));
  EXPECT_EQ(l[2].text, (SkyPoint{184, 96}));
  EXPECT_EQ(l[2].box, (SkyRect{180, 94, 16, 18}));
  EXPECT_EQ(l[3].text, (SkyPoint{2, 96}));
  EXPECT_EQ(l[3].box, (SkyRect{0, 94, 16, 18}));
}

TEST(SkyPlotGeometry, PolarToScreen) {
  const SkyPlotGeometry g = ComputeSkyGeometry(200, 200);
  // The old factor leaves the cosine slightly negative at north: x truncates to 99.
  EXPECT_EQ(g.PolarToScreen(0, 0), (SkyPoint{99, 8}));
  EXPECT_EQ(MarkerTopLeft(g.PolarToScreen(0, 0), 20), (SkyPoint{89, -2}));
  EXPECT_EQ(g.PolarToScreen(90, 45), (SkyPoint{145, 99}));
  EXPECT_EQ(g.PolarToScreen(180, 0).y, 191);  // 191.99... truncated
  EXPECT_EQ(g.PolarToScreen(270, 0).x, 8);
  for (int az : {0, 45, 123, 359}) EXPECT_EQ(g.PolarToScreen(az, 90), (SkyPoint{100, 100})) << az;

  // Every position a receiver can report lands on the plot (truncation moves
  // a point at most one pixel left and up).
  for (int w : {120, 198, 200, 331}) {
    const SkyPlotGeometry s = ComputeSkyGeometry(w, 200);
    for (int az = 0; az < 360; az += 7)
      for (int el = 0; el <= 90; el += 5) {
        const SkyPoint p = s.PolarToScreen(az, el);
        const int dx = p.x - s.cx, dy = p.y - s.cy;
        EXPECT_LE(dx * dx + dy * dy, (s.radius + 1.5) * (s.radius + 1.5))
            << w << " " << az << " " << el;
      }
  }
}

TEST(SkyPlotGeometry, MarkerDrawing) {
  SkyMarkerPaint m = MarkerPaintGeometry(20, 20, 7);
  EXPECT_EQ(m.centre, (SkyPoint{10, 10}));
  EXPECT_EQ(m.radius, 9);
  EXPECT_EQ(m.textPos, (SkyPoint{6, 3}));
  EXPECT_EQ(MarkerPaintGeometry(20, 20, 17).textPos, (SkyPoint{3, 3}));
}
