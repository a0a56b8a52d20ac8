#pragma once
// Small vector and matrix library for the drawing layer and the 3D scene.
// Matrices are row-major and act on row vectors (v' = v * M), so a chain
// "world * view * projection" reads in the order the transforms apply.
// Coordinates are left-handed: +x right, +y up, +z into the screen.

namespace plat {

struct Vec2 {
    float x = 0, y = 0;
};

struct Vec3 {
    float x = 0, y = 0, z = 0;
};

struct Vec4 {
    float x = 0, y = 0, z = 0, w = 0;
};

struct Matrix {
    float m[4][4] = {};
};

// The area of the back buffer the 3D scene maps to, with its depth range.
struct Viewport {
    int x = 0, y = 0, width = 0, height = 0;
    float minZ = 0.0f, maxZ = 1.0f;
};

Matrix MatrixIdentity();
Matrix MatrixMultiply(const Matrix& a, const Matrix& b); // a then b
Matrix MatrixTranslation(float x, float y, float z);
Matrix MatrixScaling(float x, float y, float z);
Matrix MatrixRotationX(float radians);
Matrix MatrixRotationY(float radians);
Matrix MatrixRotationZ(float radians);
Matrix MatrixRotationAxis(const Vec3& axis, float radians);
Matrix MatrixLookAtLH(const Vec3& eye, const Vec3& at, const Vec3& up);
Matrix MatrixPerspectiveFovLH(float fovY, float aspect, float zNear, float zFar);
// Scale about the origin, then rotate about a centre, then translate; all
// in the screen plane. A positive angle turns clockwise on screen (y down).
Matrix MatrixTransformation2D(const Vec2& scaling, const Vec2& rotationCentre, float radians,
                              const Vec2& translation);
// False (and the identity in out) when the matrix is singular.
bool MatrixInverse(const Matrix& in, Matrix& out);

Vec3 Vec3Add(const Vec3& a, const Vec3& b);
Vec3 Vec3Subtract(const Vec3& a, const Vec3& b);
Vec3 Vec3Scale(const Vec3& a, float s);
float Vec3Dot(const Vec3& a, const Vec3& b);
Vec3 Vec3Cross(const Vec3& a, const Vec3& b);
float Vec3Length(const Vec3& a);
Vec3 Vec3Normalize(const Vec3& a); // the zero vector stays zero

Vec4 Vec3Transform(const Vec3& v, const Matrix& m);      // (x, y, z, 1) * M
Vec3 Vec3TransformCoord(const Vec3& v, const Matrix& m); // with the w divide
Vec3 Vec3TransformNormal(const Vec3& v, const Matrix& m); // (x, y, z, 0) * M
// World position to viewport pixels and depth, and back.
Vec3 Vec3Project(const Vec3& v, const Viewport& vp, const Matrix& projection, const Matrix& view,
                 const Matrix& world);
Vec3 Vec3Unproject(const Vec3& v, const Viewport& vp, const Matrix& projection, const Matrix& view,
                   const Matrix& world);

} // namespace plat
