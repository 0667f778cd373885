#!/usr/bin/env python3
"""Turns the statement files of db/statements into rows of master_consultassql.

Each file <NombreConsulta>.sql holds one statement of type UPDATE; a file named
<NombreConsulta>.READONLY.sql holds one of type READONLY. Leading comment lines
(starting with "--") document the statement for reviewers and are not stored.
"""
import pathlib
import sys


def literal(text: str) -> str:
    return "'" + text.replace("\\", "\\\\").replace("'", "\\'") + "'"


def main() -> None:
    folder = pathlib.Path(sys.argv[1])
    print("DELETE FROM master_consultassql;")
    for path in sorted(folder.glob("*.sql")):
        stem = path.name[: -len(".sql")]
        name, _, kind = stem.partition(".")
        kind = kind or "UPDATE"
        lines = path.read_text(encoding="utf-8").splitlines()
        while lines and (not lines[0].strip() or lines[0].lstrip().startswith("--")):
            lines.pop(0)
        text = "\n".join(lines).strip().rstrip(";").strip()
        print(
            "INSERT INTO master_consultassql (NombreConsulta, Tipo, `SQL`) VALUES "
            f"({literal(name)}, {literal(kind)}, {literal(text)});"
        )


if __name__ == "__main__":
    main()
