"""Exact rational expressions of the definitions file: numbers, names, + - * / ^ and ( )."""

import re
from fractions import Fraction

_TOKEN = re.compile(r"\s*(?:(\d+(?:\.\d*)?|\.\d+)|([A-Za-z_][A-Za-z0-9_]*)|(\S))")


class ExpressionError(ValueError):
    pass


def _tokens(text: str):
    position = 0
    text = text.rstrip()
    while position < len(text):
        match = _TOKEN.match(text, position)
        number, name, symbol = match.groups()
        if number is not None:
            yield ("number", Fraction(number))
        elif name is not None:
            yield ("name", name)
        elif symbol in "+-*/^()":
            yield (symbol, None)
        else:
            raise ExpressionError(f"unexpected character {symbol!r} in {text!r}")
        position = match.end()
    yield ("end", None)


class Expression:
    """A parsed expression; evaluate() looks names up through a callable."""

    def __init__(self, text: str):
        self.text = text
        self._tokens = list(_tokens(text))
        self._next = 0
        self.tree = self._sum()
        if self._peek() != "end":
            raise ExpressionError(f"unexpected {self._peek()!r} in {text!r}")
        del self._tokens

    def evaluate(self, lookup) -> Fraction:
        return _evaluate(self.tree, lookup, self.text)

    def _peek(self):
        return self._tokens[self._next][0]

    def _take(self):
        token = self._tokens[self._next]
        self._next += 1
        return token

    def _sum(self):
        node = self._product()
        while self._peek() in "+-":
            node = (self._take()[0], node, self._product())
        return node

    def _product(self):
        node = self._unary()
        while self._peek() in ("*", "/"):
            node = (self._take()[0], node, self._unary())
        return node

    def _unary(self):
        if self._peek() == "-":
            self._take()
            return ("neg", self._unary())
        return self._power()

    def _power(self):
        node = self._primary()
        if self._peek() == "^":
            self._take()
            node = ("^", node, self._unary())
        return node

    def _primary(self):
        kind, value = self._take()
        if kind in ("number", "name"):
            return (kind, value)
        if kind == "(":
            node = self._sum()
            if self._take()[0] != ")":
                raise ExpressionError(f"missing ')' in {self.text!r}")
            return node
        raise ExpressionError(f"unexpected {kind!r} in {self.text!r}")


def _evaluate(node, lookup, text) -> Fraction:
    kind = node[0]
    if kind == "number":
        return node[1]
    if kind == "name":
        return lookup(node[1])
    if kind == "neg":
        return -_evaluate(node[1], lookup, text)
    left = _evaluate(node[1], lookup, text)
    right = _evaluate(node[2], lookup, text)
    if kind == "+":
        return left + right
    if kind == "-":
        return left - right
    if kind == "*":
        return left * right
    if kind == "/":
        if right == 0:
            raise ExpressionError(f"division by zero in {text!r}")
        return left / right
    if right.denominator != 1:
        raise ExpressionError(f"exponent {right} is not an integer in {text!r}")
    if left == 0 and right < 0:
        raise ExpressionError(f"zero to a negative power in {text!r}")
    return left ** int(right)
