#!/usr/bin/env python3
"""Writes the C++ header of an XPCOM interface from its .idl description.

The .idl files in platform/gecko/idl use the part of the XPIDL language that our interfaces
need; this script turns each into the header that C++ code includes: the abstract class with
its IID, and the NS_DECL_<NAME> and NS_FORWARD_<NAME>(_to) macros that implementations use.

    idl2header.py [--clang-format BINARY] OUTPUT_DIR FILE.idl...

Understood:
  // comments        before the first declaration: the header's opening comment;
                     before a member: a comment above that member in the class
  /* comments */     dropped
  #include "x.idl"   the parent interface's header (written as "x.h")
  interface nsIFoo;  a forward declaration
  typedef long nsFooType;                        a C++ typedef, usable as a type
  native name(CType);  [ptr] native ...;  [ref] native ...;
                     a C++ type passed by value, by pointer or by reference
  %{C++ ... %}       copied as it stands, where it stands
  [uuid(...)] interface nsIFoo : nsIBar { const / attribute / method ... };

Every generated method overrides its interface's pure virtual method, so a typing error in an
implementation's signature does not compile.
"""

import argparse
import os
import re
import subprocess
import sys

PRIMITIVES = {
    "boolean": "PRBool",
    "octet": "PRUint8",
    "short": "PRInt16",
    "long": "PRInt32",
    "long long": "PRInt64",
    "unsigned short": "PRUint16",
    "unsigned long": "PRUint32",
    "unsigned long long": "PRUint64",
    "float": "float",
    "double": "double",
    "char": "char",
    "wchar": "PRUnichar",
    "PRInt32": "PRInt32",
    "PRUint32": "PRUint32",
    "PRInt64": "PRInt64",
    "PRUint64": "PRUint64",
    "PRBool": "PRBool",
}
UTF16_STRINGS = {"DOMString", "AString"}
NARROW_STRINGS = {"ACString", "AUTF8String"}


class IdlError(Exception):
    pass


class Native:
    def __init__(self, name, ctype, kind):
        self.name, self.ctype, self.kind = name, ctype, kind  # kind: value, ptr, ref


class Param:
    def __init__(self, direction, type_name, name, attrs):
        self.direction, self.type, self.name, self.attrs = direction, type_name, name, attrs


class Member:
    """A constant, an attribute or a method, or a C++ block inside the interface."""

    def __init__(self, kind, **fields):
        self.kind = kind
        self.comment = []
        self.__dict__.update(fields)


class Interface:
    def __init__(self, name, parent, uuid):
        self.name, self.parent, self.uuid = name, parent, uuid
        self.members = []
        self.comment = []


class Tokenizer:
    TOKEN = re.compile(
        r'\s*(?:(?P<line>//[^\n]*)|(?P<block>/\*.*?\*/)|(?P<cxx>%\{C\+\+.*?%\})'
        r'|(?P<include>#include\s+"[^"]+")|(?P<attrs>\[[^\]]*\])'
        r'|(?P<word>-?[A-Za-z0-9_.x]+)|(?P<punct>[{}();:,=<>|+-]))',
        re.S)

    def __init__(self, text):
        self.tokens = []
        pos = 0
        text = text.rstrip()
        while pos < len(text):
            m = self.TOKEN.match(text, pos)
            if not m or m.end() == pos:
                raise IdlError("cannot read near: %r" % text[pos:pos + 40])
            pos = m.end()
            kind = m.lastgroup
            value = m.group(kind)
            if kind == "block":
                continue
            # A line comment counts as a member comment only when it starts its own line.
            if kind == "line":
                line_start = text.rfind("\n", 0, m.start(kind)) + 1
                if text[line_start:m.start(kind)].strip():
                    continue
            self.tokens.append((kind, value))
        self.index = 0

    def peek(self, skip_comments=True):
        i = self.index
        while skip_comments and i < len(self.tokens) and self.tokens[i][0] == "line":
            i += 1
        return self.tokens[i] if i < len(self.tokens) else (None, None)

    def comments(self):
        out = []
        while self.index < len(self.tokens) and self.tokens[self.index][0] == "line":
            out.append(self.tokens[self.index][1][2:].rstrip())
            self.index += 1
        return out

    def next(self):
        self.comments()
        if self.index >= len(self.tokens):
            raise IdlError("unexpected end of file")
        tok = self.tokens[self.index]
        self.index += 1
        return tok

    def expect(self, value):
        kind, got = self.next()
        if got != value:
            raise IdlError("expected %r, found %r" % (value, got))

    def word(self):
        kind, value = self.next()
        if kind != "word":
            raise IdlError("expected a name, found %r" % value)
        return value


def parse_attrs(text):
    """'[uuid(x), noscript]' -> {'uuid': 'x', 'noscript': True}"""
    attrs = {}
    for item in re.findall(r"\w+(?:\([^)]*\))?", text[1:-1]):
        m = re.match(r"(\w+)(?:\(([^)]*)\))?", item)
        attrs[m.group(1)] = m.group(2).strip() if m.group(2) is not None else True
    return attrs


def read_type(tok):
    first = tok.word()
    if first == "unsigned":
        second = tok.word()
        if second == "long" and tok.peek()[1] == "long":
            tok.next()
            return "unsigned long long"
        return "unsigned " + second
    if first == "long" and tok.peek()[1] == "long":
        tok.next()
        return "long long"
    return first


class IdlFile:
    def __init__(self, path):
        self.path = path
        self.header_comment = []
        self.includes = []  # parent headers, from #include "x.idl"
        self.forwards = set()
        self.natives = {}
        self.typedefs = {}  # name -> IDL type
        self.items = []  # ('cxx', text) | ('typedef', name, type) | ('interface', Interface)
        with open(path, encoding="utf-8") as f:
            self.parse(Tokenizer(f.read()))

    def parse(self, tok):
        self.header_comment = tok.comments()
        while tok.peek(skip_comments=False)[0] is not None:
            comment = tok.comments()
            kind, value = tok.peek()
            if kind is None:
                break
            if kind == "include":
                tok.next()
                name = re.search(r'"([^"]+)"', value).group(1)
                self.includes.append(re.sub(r"\.idl$", ".h", name))
                continue
            if kind == "cxx":
                tok.next()
                self.items.append(("cxx", value[len("%{C++"):-2].strip("\n")))
                continue
            attrs = {}
            if kind == "attrs":
                attrs = parse_attrs(tok.next()[1])
            keyword = tok.word()
            if keyword == "native":
                self.parse_native(tok, attrs)
            elif keyword == "typedef":
                idl_type = read_type(tok)
                name = tok.word()
                tok.expect(";")
                self.typedefs[name] = idl_type
                self.items.append(("typedef", name, idl_type))
            elif keyword == "interface":
                name = tok.word()
                if tok.peek()[1] == ";":
                    tok.next()
                    self.forwards.add(name)
                    continue
                if "uuid" not in attrs:
                    raise IdlError("interface %s has no uuid" % name)
                tok.expect(":")
                iface = Interface(name, tok.word(), attrs["uuid"].lower())
                iface.comment = comment
                self.parse_body(tok, iface)
                self.items.append(("interface", iface))
            else:
                raise IdlError("unexpected %r" % keyword)

    def parse_native(self, tok, attrs):
        name = tok.word()
        tok.expect("(")
        ctype = tok.word()
        tok.expect(")")
        tok.expect(";")
        kind = "ptr" if "ptr" in attrs else "ref" if "ref" in attrs else "value"
        self.natives[name] = Native(name, ctype, kind)

    def parse_body(self, tok, iface):
        tok.expect("{")
        while True:
            comment = tok.comments()
            kind, value = tok.peek()
            if value == "}":
                tok.next()
                tok.expect(";")
                return
            if kind == "cxx":
                tok.next()
                member = Member("cxx", text=value[len("%{C++"):-2].strip("\n"))
                member.comment = comment
                iface.members.append(member)
                continue
            attrs = parse_attrs(tok.next()[1]) if kind == "attrs" else {}
            word = tok.peek()[1]
            if word == "const":
                tok.next()
                ctype = read_type(tok)
                name = tok.word()
                tok.expect("=")
                expr = []
                while tok.peek()[1] != ";":
                    expr.append(tok.next()[1])
                tok.next()
                member = Member("const", type=ctype, name=name, value=" ".join(expr))
            elif word in ("readonly", "attribute"):
                readonly = tok.word() == "readonly"
                if readonly:
                    tok.expect("attribute")
                ctype = read_type(tok)
                name = tok.word()
                tok.expect(";")
                member = Member("attribute", type=ctype, name=name, readonly=readonly,
                                attrs=attrs)
            else:
                member = self.parse_method(tok, attrs)
            member.comment = comment
            iface.members.append(member)

    def parse_method(self, tok, attrs):
        ret = read_type(tok)
        name = tok.word()
        tok.expect("(")
        params = []
        while tok.peek()[1] != ")":
            pattrs = {}
            if tok.peek()[0] == "attrs":
                pattrs = parse_attrs(tok.next()[1])
            direction = tok.word()
            if direction not in ("in", "out", "inout"):
                raise IdlError("parameter of %s without in/out" % name)
            ptype = read_type(tok)
            params.append(Param(direction, ptype, tok.word(), pattrs))
            if tok.peek()[1] == ",":
                tok.next()
        tok.expect(")")
        if tok.peek()[1] == "raises":
            tok.next()
            tok.expect("(")
            while tok.next()[1] != ")":
                pass
        tok.expect(";")
        return Member("method", type=ret, name=name, params=params, attrs=attrs)


class Writer:
    def __init__(self, idl, known_types):
        self.idl = idl
        self.known_types = known_types
        self.used_interfaces = set()
        self.uses_strings = False

    def resolve(self, idl_type):
        seen = set()
        while idl_type in self.idl.typedefs and idl_type not in seen:
            seen.add(idl_type)
            idl_type = self.idl.typedefs[idl_type]
        return idl_type

    def cxx(self, idl_type, direction, attrs=None):
        """C++ type of a value of `idl_type` passed in the given direction."""
        attrs = attrs or {}
        out = direction in ("out", "inout")
        if idl_type in self.idl.typedefs:
            base = self.resolve(idl_type)
            if base in PRIMITIVES:
                return idl_type + ("*" if out else "")
        idl_type = self.resolve(idl_type)
        if idl_type in UTF16_STRINGS:
            self.uses_strings = True
            return "nsAString&" if out else "const nsAString&"
        if idl_type in NARROW_STRINGS:
            self.uses_strings = True
            return "nsACString&" if out else "const nsACString&"
        if idl_type == "string":
            return "char**" if out else "const char*"
        if idl_type == "wstring":
            return "PRUnichar**" if out else "const PRUnichar*"
        if idl_type in PRIMITIVES:
            return PRIMITIVES[idl_type] + ("*" if out else "")
        if idl_type == "nsIIDRef":
            return "const nsIID&"
        if idl_type == "voidPtr":
            return "void**" if out else "void*"
        if idl_type in self.idl.natives:
            native = self.idl.natives[idl_type]
            if native.kind == "ptr":
                self.used_interfaces.add(native.ctype)
                return native.ctype + ("**" if out else "*")
            if native.kind == "ref":
                const = "const " if attrs.get("const") and not out else ""
                return const + native.ctype + "&"
            return native.ctype + ("*" if out else "")
        if not re.match(r"^[A-Za-z_]\w*$", idl_type) or idl_type == "void":
            raise IdlError("no C++ form for type %r" % idl_type)
        self.used_interfaces.add(idl_type)
        return idl_type + ("**" if out else "*")

    @staticmethod
    def cap(name):
        return name[0].upper() + name[1:]

    def signatures(self, iface):
        """(declaration, call, member) for each method of the interface, in order."""
        result = []
        for m in iface.members:
            if m.kind == "attribute":
                arg = "a" + self.cap(m.name)
                result.append(("NS_IMETHOD Get%s(%s %s)" % (self.cap(m.name), self.cxx(
                    m.type, "out"), arg), "Get%s(%s)" % (self.cap(m.name), arg), m))
                if not m.readonly:
                    result.append(("NS_IMETHOD Set%s(%s %s)" % (self.cap(m.name), self.cxx(
                        m.type, "in"), arg), "Set%s(%s)" % (self.cap(m.name), arg), m))
            elif m.kind == "method":
                decl_args = ["%s %s" % (self.cxx(p.type, p.direction, p.attrs), p.name)
                             for p in m.params]
                call_args = [p.name for p in m.params]
                if m.type != "void":
                    decl_args.append("%s _retval" % self.cxx(m.type, "out"))
                    call_args.append("_retval")
                result.append(("NS_IMETHOD %s(%s)" % (self.cap(m.name), ", ".join(decl_args)
                                                      or "void"),
                               "%s(%s)" % (self.cap(m.name), ", ".join(call_args)), m))
        return result

    def const_line(self, m):
        value = m.value
        resolved = self.resolve(m.type)
        unsigned = resolved.startswith("unsigned") or PRIMITIVES.get(resolved, "").startswith(
            "PRUint")
        if unsigned and re.match(r"^(0x[0-9A-Fa-f]+|\d+)$", value):
            value += "U"
        return "enum { %s = %s };" % (m.name, value)

    @staticmethod
    def iid_initializer(uuid):
        parts = uuid.split("-")
        tail = parts[3] + parts[4]
        octets = ", ".join("0x" + tail[i:i + 2] for i in range(0, 16, 2))
        return "{0x%s, 0x%s, 0x%s, {%s}}" % (parts[0], parts[1], parts[2], octets)

    def interface_text(self, iface):
        upper = iface.name.upper()
        macro_iid = "NS_%s_IID" % upper[2:] if upper.startswith("NS") else upper + "_IID"
        lines = ["#define %s_STR \"%s\"" % (macro_iid, iface.uuid), "",
                 "#define %s %s" % (macro_iid, self.iid_initializer(iface.uuid)), ""]
        lines += ["//" + c for c in iface.comment]
        lines += ["class %s : public %s {" % (iface.name, iface.parent), " public:",
                  "  NS_DECLARE_STATIC_IID_ACCESSOR(%s)" % macro_iid, ""]
        sigs = self.signatures(iface)
        previous = None
        for m in iface.members:
            # A run of constants stands apart from the methods around it.
            if previous is not None and (previous == "const") != (m.kind == "const"):
                lines.append("")
            previous = m.kind
            lines += ["  //" + c for c in m.comment]
            if m.kind == "const":
                lines.append("  " + self.const_line(m))
                continue
            if m.kind == "cxx":
                lines += ["  " + line for line in m.text.split("\n")]
                continue
            lines += ["  %s = 0;" % decl for decl, call, member in sigs if member is m]
        lines += ["};", "", "NS_DEFINE_STATIC_IID_ACCESSOR(%s, %s)" % (iface.name, macro_iid),
                  ""]
        decl_macro = "NS_DECL_" + upper
        lines.append("// Declares every method of %s in a class that implements it." %
                     iface.name)
        lines.append("#define %s%s" % (decl_macro, " \\" if sigs else ""))
        for i, (decl, call, member) in enumerate(sigs):
            lines.append("  %s override;%s" % (decl, " \\" if i + 1 < len(sigs) else ""))
        lines += ["", "// Implements every method of %s by calling the same method of _to." %
                  iface.name]
        lines.append("#define NS_FORWARD_%s(_to)%s" % (upper, " \\" if sigs else ""))
        for i, (decl, call, member) in enumerate(sigs):
            lines.append("  %s override { return _to %s; }%s" %
                         (decl, call, " \\" if i + 1 < len(sigs) else ""))
        lines.append("")
        return lines

    def write(self):
        body = []
        for item in self.idl.items:
            if item[0] == "cxx":
                body += item[1].split("\n") + [""]
            elif item[0] == "typedef":
                self.cxx(item[2], "in")
                body += ["typedef %s %s;" % (self.cxx(item[2], "in"), item[1]), ""]
            else:
                body += self.interface_text(item[1])
        ifaces = [i[1] for i in self.idl.items if i[0] == "interface"]
        own = {i.name for i in ifaces} | {i.parent for i in ifaces} | {"nsISupports"}
        forwards = sorted((self.used_interfaces | self.idl.forwards) - own)
        unknown = [f for f in forwards if f not in self.known_types and
                   f not in self.idl.forwards and f not in
                   {n.ctype for n in self.idl.natives.values()}]
        if unknown:
            raise IdlError("types used without a forward declaration: %s" % ", ".join(unknown))

        base = os.path.splitext(os.path.basename(self.idl.path))[0]
        guard = "__gen_%s_h__" % base
        out = ["//" + c for c in self.idl.header_comment]
        out += ["#ifndef " + guard, "#define " + guard, ""]
        includes = self.idl.includes or ["nsISupports.h"]
        if self.uses_strings:
            includes = includes + ["nsStringAPI.h"]
        out += ['#include "%s"' % inc for inc in includes] + [""]
        if forwards:
            out += ["class %s;" % f for f in forwards] + [""]
        out += body
        out.append("#endif")
        return "\n".join(out) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--clang-format", default="clang-format")
    parser.add_argument("output_dir")
    parser.add_argument("idl", nargs="+")
    args = parser.parse_args()

    files = []
    for path in args.idl:
        try:
            files.append(IdlFile(path))
        except IdlError as e:
            sys.exit("%s: %s" % (path, e))
    # A name is a known type when some .idl file forward-declares it; the writer refuses a
    # type that nothing declares, which catches misspelt type names.
    known = set()
    for f in files:
        known |= f.forwards
        known |= {i[1].name for i in f.items if i[0] == "interface"}
    for f in files:
        try:
            text = Writer(f, known).write()
        except IdlError as e:
            sys.exit("%s: %s" % (f.path, e))
        name = os.path.splitext(os.path.basename(f.path))[0] + ".h"
        target = os.path.join(args.output_dir, name)
        formatted = subprocess.run([args.clang_format, "--assume-filename=" + target],
                                   input=text, capture_output=True, text=True, check=True)
        with open(target, "w", encoding="utf-8") as out:
            out.write(formatted.stdout)


if __name__ == "__main__":
    main()
