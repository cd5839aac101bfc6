# -*- coding: utf-8 -*-
# What the modules share: finding gsmgate-cli, handing it the device password
# without putting it on a command line, reading its JSON and the
# configuration file it writes, and showing that file in a diff.

from __future__ import absolute_import, division, print_function

__metaclass__ = type

import json
import os
import re
import tempfile

try:
    import yaml

    HAS_YAML = True
except ImportError:  # pragma: no cover - reported by the modules
    HAS_YAML = False

# Settings whose values are credentials: the device password and the GPRS
# login. gsmgate-cli's own diff shows them as "***" too.
SECRET_SETTINGS = ("password", "gprs_user_name", "gprs_password")
MASK = "***"

# The arguments every module takes to reach a device.
CONNECTION_ARGS = dict(
    port=dict(type="str", required=True),
    password=dict(type="str", no_log=True),
    password_file=dict(type="path", no_log=False),
    cli=dict(type="path"),
)
CONNECTION_EXCLUSIVE = [("password", "password_file")]


class CliError(Exception):
    """gsmgate-cli refused or failed; the message is the tool's own."""


if HAS_YAML:

    class _CoreLoader(yaml.SafeLoader):
        """Reads scalars as YAML 1.2 does: only true and false are booleans,
        so a choice label such as NO or ON stays text, and "08:30" stays
        text instead of becoming a base-60 number."""

    _CoreLoader.yaml_implicit_resolvers = {}
    for _tag, _pattern, _first in (
        ("tag:yaml.org,2002:null", r"^(?:~|null|Null|NULL|)$", ["~", "n", "N", ""]),
        ("tag:yaml.org,2002:bool", r"^(?:true|True|TRUE|false|False|FALSE)$", list("tTfF")),
        ("tag:yaml.org,2002:int", r"^[-+]?[0-9]+$", list("-+0123456789")),
        (
            "tag:yaml.org,2002:float",
            r"^[-+]?(?:\.[0-9]+|[0-9]+(?:\.[0-9]*)?)(?:[eE][-+]?[0-9]+)?$",
            list("-+.0123456789"),
        ),
    ):
        _CoreLoader.add_implicit_resolver(_tag, re.compile(_pattern), _first)

    def _int_constructor(loader, node):
        # Decimal only: a leading 0 is no octal marker here.
        return int(loader.construct_scalar(node), 10)

    _CoreLoader.add_constructor("tag:yaml.org,2002:int", _int_constructor)


def parse_configuration(text):
    """The configuration document gsmgate-cli writes, as a dict."""
    if not HAS_YAML:
        raise CliError("reading the configuration needs PyYAML (python3-yaml) on the managed host")
    try:
        document = yaml.load(text, Loader=_CoreLoader)  # nosec - a safe loader
    except yaml.YAMLError as e:
        raise CliError("gsmgate-cli wrote a configuration that is not YAML: %s" % e)
    if not isinstance(document, dict):
        raise CliError("gsmgate-cli wrote a configuration that is not a mapping")
    if "numbers" in document and document["numbers"] is None:
        document["numbers"] = []
    return document


def _scalar(value):
    if value is None:
        return "null"
    if isinstance(value, bool):
        return "true" if value else "false"
    if isinstance(value, (int, float)):
        return repr(value)
    return json.dumps(str(value), ensure_ascii=False)


def render_configuration(document):
    """The document as text in the file's layout, keys in the order given,
    one number entry a line, so that two renderings diff line by line."""
    lines = []
    for key, value in document.items():
        if key == "settings" and isinstance(value, dict):
            lines.append("settings:")
            lines.extend("  %s: %s" % (k, _scalar(v)) for k, v in value.items())
        elif key == "numbers" and isinstance(value, list):
            lines.append("numbers:" if value else "numbers: []")
            for entry in value:
                if isinstance(entry, dict):
                    fields = ", ".join("%s: %s" % (k, _scalar(v)) for k, v in entry.items())
                    lines.append("  - {%s}" % fields)
                else:
                    lines.append("  - %s" % _scalar(entry))
        else:
            lines.append("%s: %s" % (key, _scalar(value)))
    return "\n".join(lines) + "\n"


def mask_secrets(document, reference=None):
    """A copy of the document with the credentials that are set replaced
    by "***" (an empty one stays empty: that tells nothing).
    With a reference document (the other side of a diff), a credential that
    differs from the reference's reads "*** (changed)", so a diff still tells
    that it changes without telling what to."""
    if not isinstance(document, dict) or not isinstance(document.get("settings"), dict):
        return document
    masked = dict(document)
    settings = dict(document["settings"])
    theirs = (reference or {}).get("settings") or {}
    for key in SECRET_SETTINGS:
        if key in settings and settings[key] not in ("", None):
            differs = reference is not None and theirs.get(key) != settings[key]
            settings[key] = MASK + " (changed)" if differs else MASK
    masked["settings"] = settings
    return masked


def merge_configuration(before, wanted):
    """What the device holds once `wanted` is applied over `before`: the
    settings it names replace the device's, the others stay; a `numbers`
    list replaces the whole list."""
    after = dict(before)
    settings = dict(before.get("settings") or {})
    settings.update(wanted.get("settings") or {})
    after["settings"] = settings
    if "numbers" in wanted:
        after["numbers"] = sorted(
            wanted["numbers"] or [], key=lambda e: e.get("slot", 0) if isinstance(e, dict) else 0
        )
    return after


def check_wanted(wanted):
    """Refuses what YAML in a playbook makes of a value before the tool sees
    it. An unquoted NO, YES, ON or OFF is a boolean to Ansible's YAML reader,
    and no setting takes a boolean, so a choice label must be quoted."""
    if not isinstance(wanted, dict):
        return "config must be a mapping in the configuration file's layout"
    settings = wanted.get("settings")
    if settings is not None and not isinstance(settings, dict):
        return "config.settings must be a mapping of setting keys to values"
    for key, value in (settings or {}).items():
        if isinstance(value, bool):
            return (
                "config.settings.%s is the boolean %s: YAML reads an unquoted NO, YES, ON or OFF "
                "as one; quote the label (\"NO\")" % (key, "true" if value else "false")
            )
    numbers = wanted.get("numbers")
    if numbers is not None and not isinstance(numbers, list):
        return "config.numbers must be a list of entries (the whole list)"
    return None


class Cli(object):
    """gsmgate-cli on the managed host, for one device."""

    def __init__(self, module):
        self.module = module
        params = module.params
        self.port = params["port"]
        if any(c in self.port for c in "*?["):
            module.fail_json(
                msg="port %r is a pattern; each task names one device: loop over a station's "
                "ports (see the collection's README)" % self.port
            )
        self.executable = params.get("cli") or module.get_bin_path("gsmgate-cli", required=True)
        self.environ = {}
        self.password_args = []
        if params.get("password") is not None:
            # The tool reads the password from its environment, never argv.
            self.environ["GSMGATE_PASSWORD"] = params["password"]
        elif params.get("password_file"):
            self.password_args = ["--password-file", params["password_file"]]

    def run(self, args, expect_json=True):
        """Runs one subcommand; returns (exit status, parsed stdout or text, stderr)."""
        argv = [self.executable] + args + ["--port", self.port] + self.password_args
        # stdin is a pipe, never the terminal an ssh login may give the
        # module, so the tool does not wait at its password prompt.
        rc, out, err = self.module.run_command(
            argv,
            environ_update=self.environ,
            expand_user_and_vars=False,
            data="\n",
            binary_data=True,
        )
        if rc == 2:
            raise CliError(_last_line(err) or "gsmgate-cli refused the command (exit status 2)")
        if not expect_json:
            if rc != 0:
                raise CliError(_last_line(err) or "gsmgate-cli exited with %d" % rc)
            return rc, out, err
        try:
            parsed = json.loads(out)
        except ValueError:
            raise CliError(
                _last_line(err) or "gsmgate-cli exited with %d and wrote no JSON summary" % rc
            )
        return rc, parsed, err

    def device(self, args):
        """Runs a subcommand with --json and returns its one device entry;
        raises CliError with the device's message when it failed."""
        rc, parsed, err = self.run(args + ["--json"])
        devices = parsed.get("devices") or []
        if len(devices) != 1:
            raise CliError("gsmgate-cli reported %d devices for port %s" % (len(devices), self.port))
        device = devices[0]
        failed = device.get("ok") is False or device.get("result") == "failed"
        if failed or rc != 0:
            raise CliError(device.get("message") or _last_line(err) or "gsmgate-cli exited with %d" % rc)
        return device

    def read_configuration(self):
        """The device's configuration as the tool exports it."""
        _, out, _ = self.run(["config", "get", "--out", "-"], expect_json=False)
        return parse_configuration(out)


class PrivateFile(object):
    """A temporary file only its owner may read (it may hold the device
    password), removed when the block ends whatever happens."""

    def __init__(self, module, text, suffix=".yaml"):
        self.module = module
        self.text = text
        self.suffix = suffix
        self.path = None

    def __enter__(self):
        directory = getattr(self.module, "tmpdir", None)
        fd, self.path = tempfile.mkstemp(prefix="gsmgate-", suffix=self.suffix, dir=directory)
        with os.fdopen(fd, "w") as f:  # mkstemp creates it 0600
            f.write(self.text)
        return self.path

    def __exit__(self, *exc):
        try:
            os.unlink(self.path)
        except OSError:
            pass
        return False


def _last_line(text):
    if isinstance(text, bytes):
        text = text.decode("utf-8", "replace")
    lines = [line for line in (text or "").splitlines() if line.strip()]
    return lines[-1].strip() if lines else ""
