#pragma once

#include <cmath>
#include <memory>

#include "expr/node.h"

namespace velnor {

class plus final : public node {
public:
    using node::node;

private:
    double Apply(double left, double right) const override { return left + right; }
};

class minus final : public node {
public:
    using node::node;

private:
    double Apply(double left, double right) const override { return left - right; }
};

class multiply final : public node {
public:
    using node::node;

private:
    double Apply(double left, double right) const override { return left * right; }
};

class divide final : public node {
public:
    using node::node;

private:
    double Apply(double left, double right) const override { return left / right; }
};

class power final : public node {
public:
    using node::node;

private:
    double Apply(double left, double right) const override { return std::pow(left, right); }
};

class modnode final : public node {
public:
    using node::node;

private:
    double Apply(double left, double right) const override { return std::fmod(left, right); }
};

// The node of one of + - * / ^ %, or nullptr for any other character.
std::unique_ptr<node> MakeOperatorNode(char symbol, int64_t priority);

}  // namespace velnor
