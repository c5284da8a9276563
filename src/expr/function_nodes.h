#pragma once

#include <cmath>
#include <memory>
#include <string_view>

#include "expr/node.h"

namespace velnor {

// The functions of the formula language. Each takes its argument from its right child; angles are
// in radians.

class sinnode final : public node {
public:
    using node::node;

private:
    double Apply(double, double argument) const override { return std::sin(argument); }
};

class cosnode final : public node {
public:
    using node::node;

private:
    double Apply(double, double argument) const override { return std::cos(argument); }
};

class tannode final : public node {
public:
    using node::node;

private:
    double Apply(double, double argument) const override { return std::tan(argument); }
};

class cotnode final : public node {
public:
    using node::node;

private:
    double Apply(double, double argument) const override { return 1.0 / std::tan(argument); }
};

class sqrtnode final : public node {
public:
    using node::node;

private:
    double Apply(double, double argument) const override { return std::sqrt(argument); }
};

class absnode final : public node {
public:
    using node::node;

private:
    double Apply(double, double argument) const override { return std::fabs(argument); }
};

class lgnode final : public node {
public:
    using node::node;

private:
    double Apply(double, double argument) const override { return std::log10(argument); }
};

class lnnode final : public node {
public:
    using node::node;

private:
    double Apply(double, double argument) const override { return std::log(argument); }
};

class expnode final : public node {
public:
    using node::node;

private:
    double Apply(double, double argument) const override { return std::exp(argument); }
};

class arcsinnode final : public node {
public:
    using node::node;

private:
    double Apply(double, double argument) const override { return std::asin(argument); }
};

class arccosnode final : public node {
public:
    using node::node;

private:
    double Apply(double, double argument) const override { return std::acos(argument); }
};

class arctannode final : public node {
public:
    using node::node;

private:
    double Apply(double, double argument) const override { return std::atan(argument); }
};

// The whole part rounded down, except that a negative whole number also steps down one:
// int(2.7) = 2, int(-2.5) = -3, int(-2) = -3.
class intnode final : public node {
public:
    using node::node;

private:
    double Apply(double, double argument) const override;
};

class sgnnode final : public node {
public:
    using node::node;

private:
    double Apply(double, double argument) const override {
        return argument > 0 ? 1.0 : argument == 0 ? 0.0 : -1.0;
    }
};

class sinhnode final : public node {
public:
    using node::node;

private:
    double Apply(double, double argument) const override { return std::sinh(argument); }
};

class coshnode final : public node {
public:
    using node::node;

private:
    double Apply(double, double argument) const override { return std::cosh(argument); }
};

class tanhnode final : public node {
public:
    using node::node;

private:
    double Apply(double, double argument) const override { return std::tanh(argument); }
};

// The node of a function name such as "sin" or "arctan", or nullptr for an unknown name.
std::unique_ptr<node> MakeFunctionNode(std::string_view name, int64_t priority);

}  // namespace velnor
