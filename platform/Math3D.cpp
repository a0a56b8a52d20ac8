#include "platform/Math3D.h"

#include <cmath>

namespace plat {

Matrix MatrixIdentity()
{
    Matrix r;
    for (int i = 0; i < 4; ++i)
        r.m[i][i] = 1.0f;
    return r;
}

Matrix MatrixMultiply(const Matrix& a, const Matrix& b)
{
    Matrix r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            float s = 0;
            for (int k = 0; k < 4; ++k)
                s += a.m[i][k] * b.m[k][j];
            r.m[i][j] = s;
        }
    return r;
}

Matrix MatrixTranslation(float x, float y, float z)
{
    Matrix r = MatrixIdentity();
    r.m[3][0] = x;
    r.m[3][1] = y;
    r.m[3][2] = z;
    return r;
}

Matrix MatrixScaling(float x, float y, float z)
{
    Matrix r = MatrixIdentity();
    r.m[0][0] = x;
    r.m[1][1] = y;
    r.m[2][2] = z;
    return r;
}

Matrix MatrixRotationX(float a)
{
    Matrix r = MatrixIdentity();
    float c = std::cos(a), s = std::sin(a);
    r.m[1][1] = c;
    r.m[1][2] = s;
    r.m[2][1] = -s;
    r.m[2][2] = c;
    return r;
}

Matrix MatrixRotationY(float a)
{
    Matrix r = MatrixIdentity();
    float c = std::cos(a), s = std::sin(a);
    r.m[0][0] = c;
    r.m[0][2] = -s;
    r.m[2][0] = s;
    r.m[2][2] = c;
    return r;
}

Matrix MatrixRotationZ(float a)
{
    Matrix r = MatrixIdentity();
    float c = std::cos(a), s = std::sin(a);
    r.m[0][0] = c;
    r.m[0][1] = s;
    r.m[1][0] = -s;
    r.m[1][1] = c;
    return r;
}

Matrix MatrixRotationAxis(const Vec3& axis, float a)
{
    Vec3 v = Vec3Normalize(axis);
    float c = std::cos(a), s = std::sin(a), t = 1.0f - c;
    Matrix r = MatrixIdentity();
    r.m[0][0] = t * v.x * v.x + c;
    r.m[0][1] = t * v.x * v.y + s * v.z;
    r.m[0][2] = t * v.x * v.z - s * v.y;
    r.m[1][0] = t * v.x * v.y - s * v.z;
    r.m[1][1] = t * v.y * v.y + c;
    r.m[1][2] = t * v.y * v.z + s * v.x;
    r.m[2][0] = t * v.x * v.z + s * v.y;
    r.m[2][1] = t * v.y * v.z - s * v.x;
    r.m[2][2] = t * v.z * v.z + c;
    return r;
}

Matrix MatrixLookAtLH(const Vec3& eye, const Vec3& at, const Vec3& up)
{
    Vec3 z = Vec3Normalize(Vec3Subtract(at, eye));
    Vec3 x = Vec3Normalize(Vec3Cross(up, z));
    Vec3 y = Vec3Cross(z, x);
    Matrix r = MatrixIdentity();
    r.m[0][0] = x.x; r.m[0][1] = y.x; r.m[0][2] = z.x;
    r.m[1][0] = x.y; r.m[1][1] = y.y; r.m[1][2] = z.y;
    r.m[2][0] = x.z; r.m[2][1] = y.z; r.m[2][2] = z.z;
    r.m[3][0] = -Vec3Dot(x, eye);
    r.m[3][1] = -Vec3Dot(y, eye);
    r.m[3][2] = -Vec3Dot(z, eye);
    return r;
}

Matrix MatrixPerspectiveFovLH(float fovY, float aspect, float zn, float zf)
{
    float yScale = 1.0f / std::tan(fovY / 2.0f);
    Matrix r;
    r.m[0][0] = yScale / aspect;
    r.m[1][1] = yScale;
    r.m[2][2] = zf / (zf - zn);
    r.m[2][3] = 1.0f;
    r.m[3][2] = -zn * zf / (zf - zn);
    return r;
}

Matrix MatrixTransformation2D(const Vec2& scaling, const Vec2& centre, float radians, const Vec2& translation)
{
    if (radians == 0) {
        // Unturned, as most sprites are: the product below comes to this,
        // the same numbers, without its 48 multiplications and sin and cos.
        Matrix r = MatrixScaling(scaling.x, scaling.y, 1.0f);
        r.m[3][0] = -centre.x + (centre.x + translation.x);
        r.m[3][1] = -centre.y + (centre.y + translation.y);
        return r;
    }
    Matrix r = MatrixScaling(scaling.x, scaling.y, 1.0f);
    r = MatrixMultiply(r, MatrixTranslation(-centre.x, -centre.y, 0));
    r = MatrixMultiply(r, MatrixRotationZ(radians));
    return MatrixMultiply(r, MatrixTranslation(centre.x + translation.x, centre.y + translation.y, 0));
}

bool MatrixInverse(const Matrix& in, Matrix& out)
{
    // Gauss-Jordan elimination with partial pivoting.
    float a[4][8];
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            a[i][j] = in.m[i][j];
            a[i][j + 4] = i == j ? 1.0f : 0.0f;
        }
    for (int c = 0; c < 4; ++c) {
        int p = c;
        for (int r = c + 1; r < 4; ++r)
            if (std::fabs(a[r][c]) > std::fabs(a[p][c]))
                p = r;
        if (std::fabs(a[p][c]) < 1e-12f) {
            out = MatrixIdentity();
            return false;
        }
        if (p != c)
            for (int j = 0; j < 8; ++j)
                std::swap(a[p][j], a[c][j]);
        float d = a[c][c];
        for (int j = 0; j < 8; ++j)
            a[c][j] /= d;
        for (int r = 0; r < 4; ++r) {
            if (r == c)
                continue;
            float f = a[r][c];
            for (int j = 0; j < 8; ++j)
                a[r][j] -= f * a[c][j];
        }
    }
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            out.m[i][j] = a[i][j + 4];
    return true;
}

Vec3 Vec3Add(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 Vec3Subtract(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 Vec3Scale(const Vec3& a, float s) { return {a.x * s, a.y * s, a.z * s}; }
float Vec3Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 Vec3Cross(const Vec3& a, const Vec3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
float Vec3Length(const Vec3& a) { return std::sqrt(Vec3Dot(a, a)); }
Vec3 Vec3Normalize(const Vec3& a)
{
    float l = Vec3Length(a);
    return l > 0 ? Vec3Scale(a, 1.0f / l) : Vec3{};
}

Vec4 Vec3Transform(const Vec3& v, const Matrix& m)
{
    Vec4 r;
    r.x = v.x * m.m[0][0] + v.y * m.m[1][0] + v.z * m.m[2][0] + m.m[3][0];
    r.y = v.x * m.m[0][1] + v.y * m.m[1][1] + v.z * m.m[2][1] + m.m[3][1];
    r.z = v.x * m.m[0][2] + v.y * m.m[1][2] + v.z * m.m[2][2] + m.m[3][2];
    r.w = v.x * m.m[0][3] + v.y * m.m[1][3] + v.z * m.m[2][3] + m.m[3][3];
    return r;
}

Vec3 Vec3TransformCoord(const Vec3& v, const Matrix& m)
{
    Vec4 r = Vec3Transform(v, m);
    float w = r.w != 0 ? r.w : 1.0f;
    return {r.x / w, r.y / w, r.z / w};
}

Vec3 Vec3TransformNormal(const Vec3& v, const Matrix& m)
{
    return {v.x * m.m[0][0] + v.y * m.m[1][0] + v.z * m.m[2][0], v.x * m.m[0][1] + v.y * m.m[1][1] + v.z * m.m[2][1],
            v.x * m.m[0][2] + v.y * m.m[1][2] + v.z * m.m[2][2]};
}

Vec3 Vec3Project(const Vec3& v, const Viewport& vp, const Matrix& projection, const Matrix& view,
                 const Matrix& world)
{
    Matrix m = MatrixMultiply(MatrixMultiply(world, view), projection);
    Vec3 c = Vec3TransformCoord(v, m);
    return {vp.x + (1.0f + c.x) * vp.width / 2.0f, vp.y + (1.0f - c.y) * vp.height / 2.0f,
            vp.minZ + c.z * (vp.maxZ - vp.minZ)};
}

Vec3 Vec3Unproject(const Vec3& v, const Viewport& vp, const Matrix& projection, const Matrix& view,
                   const Matrix& world)
{
    Matrix m = MatrixMultiply(MatrixMultiply(world, view), projection), inv;
    MatrixInverse(m, inv);
    float range = vp.maxZ - vp.minZ;
    Vec3 c{vp.width ? 2.0f * (v.x - vp.x) / vp.width - 1.0f : 0.0f,
           vp.height ? 1.0f - 2.0f * (v.y - vp.y) / vp.height : 0.0f, range != 0 ? (v.z - vp.minZ) / range : 0.0f};
    return Vec3TransformCoord(c, inv);
}

} // namespace plat
