// The fonts the windows were designed with, where the desktop has them, and
// the scale that keeps the design's pixel sizes fitting another font.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

// Tahoma at 8 points where installed, else the desktop's default font.
QFont WindowFont();
// Courier New at 9 points where installed, else the system's fixed-pitch font.
QFont LicenseTextFont();
// An object's text: the licence text's fixed-pitch font.
QFont ObjectTextFont();

// The windows are laid out in pixels for Tahoma 8 pt. With a wider font they
// grow in proportion, so every text still fits where the design put it: the
// factor is how much wider a sample text is in the window font, never below 1.
double DesignScale();
int Scaled(int pixels);
QSize Scaled(const QSize &size);
QRect Scaled(const QRect &rect);
