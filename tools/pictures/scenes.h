// Painters for the six stock puzzle pictures; each fills a kCanvas x kCanvas image.
#pragma once

#include <QImage>

void paintLeaf(QImage &img);
void paintRose(QImage &img);
void paintFlower(QImage &img);
void paintDoor(QImage &img);
void paintMountain(QImage &img);
void paintCow(QImage &img);
