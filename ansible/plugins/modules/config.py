#!/usr/bin/python
# -*- coding: utf-8 -*-

from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r"""
---
module: config
short_description: Apply a configuration to a GSM gate opener
version_added: "1.7.2"
description:
  - Applies a configuration (settings and authorized numbers) to the device
    on a serial port of the managed host by running
    C(gsmgate-cli config apply) there.
  - Only the pages that differ are written, each read back; a configuration
    the device already holds writes nothing and reports C(changed=false).
  - Before anything is written the tool saves the pages it read as an
    automatic backup; its path is returned as RV(backup) and
    C(gsmgate-cli restore BACKUP --port PORT) puts it back.
  - With C(--check) the device is read and what would change is reported;
    nothing is written. With C(--diff) the configuration before and after is
    shown in the configuration file's layout, the device password and the
    GPRS user name and password as C(***).
requirements:
  - gsmgate-cli on the managed host (the gsmgate package)
  - PyYAML (python3-yaml) on the managed host, for C(--diff)
options:
  port:
    description:
      - The device's serial port on the managed host, such as
        C(/dev/ttyUSB0) or C(/dev/serial/by-path/...). A bare name
        (C(ttyUSB0)) is one under C(/dev).
      - One device per task; loop over the ports of a station with several.
    type: str
    required: true
  config:
    description:
      - The configuration in the file's layout, as a mapping with the keys
        C(settings) (setting keys such as C(password), C(sim_card_phone_no),
        C(din1_type) and their values) and C(numbers) (the whole list of
        entries, each with its C(slot) and either C(number) with
        C(always=true) or C(from) and C(until), or C(erased=true)); see the
        examples.
      - Settings left out keep what the device holds; without C(numbers) the
        list is left as it is; with it, every slot it does not name is
        emptied.
      - C(format) and C(version) may be left out.
      - Quote choice labels (C("NO"), C("ON")) and numbers written as text
        (the password, phone numbers). Unquoted, YAML reads C(NO) as a
        boolean and C(0123) as a number; a boolean setting is refused.
    type: dict
  src:
    description:
      - Path of a configuration file on the managed host, as written by
        C(gsmgate-cli config get).
    type: path
  password:
    description:
      - The device password the tool logs in with. Handed to it in its
        environment (C(GSMGATE_PASSWORD)), never on a command line.
      - Without I(password) and I(password_file) the tool uses
        C(GSMGATE_PASSWORD) from the managed host's environment, else the
        factory password.
      - Ansible hides this value wherever it appears in the task's output,
        phone numbers included; prefer I(password_file) when that gets in
        the way.
    type: str
  password_file:
    description:
      - A file on the managed host whose first line is the device password;
        readable by its owner alone, or the tool refuses it.
    type: path
  backup_dir:
    description:
      - Folder on the managed host for the automatic backup taken before a
        write; by default the tool's own (C(~/.local/share/gsmgate/configuration/backup/)).
    type: path
  cli:
    description:
      - Path of gsmgate-cli on the managed host; by default found in C(PATH).
    type: path
notes:
  - Supports check mode and diff mode.
  - The configuration, the new device password included, is written to a
    temporary file readable by its owner alone and removed afterwards. Like
    every module argument, I(config) shows in the task's invocation at
    C(-vvv); set C(no_log) on the task, or keep the password in a vaulted
    I(src) file, when that matters.
seealso:
  - module: gsmgate.device.info
  - module: gsmgate.device.backup
author:
  - gsmgate maintainers
"""

EXAMPLES = r"""
- name: The site's settings and numbers
  gsmgate.device.config:
    port: /dev/ttyUSB0
    password_file: /etc/gsmgate/password
    config:
      settings:
        din1_type: "NO"
        din1_alarm_content: Gate forced open
        sms_content_relay_on: Gate open
      numbers:
        - {slot: 1, number: "+15555550100", always: true}
        - {slot: 2, number: "+15555550101", from: "2026-01-01 08:00", until: "2026-12-31 18:00"}

- name: The site file kept in git, copied to the station first
  gsmgate.device.config:
    port: "{{ item }}"
    src: /var/lib/gsmgate/site.yaml
    backup_dir: /var/backups/gsmgate
  loop: "{{ gsmgate_ports }}"
"""

RETURN = r"""
changed:
  description: Whether the device differed from the configuration (and, unless in check mode, was written).
  returned: always
  type: bool
backup:
  description: Path of the automatic backup taken before the write, on the managed host; empty when nothing was written.
  returned: always
  type: str
  sample: /home/installer/.local/share/gsmgate/configuration/backup/2026-12-08_18-18-44-579_ttyUSB0_config-apply.json
changes:
  description:
    - What differs, as C(gsmgate-cli config diff --json) lists it, one item a
      setting (C(area=settings), its C(item) caption, C(from), C(to)) or a
      number entry (C(area=numbers), its C(slot), C(change), C(from), C(to)).
    - Credentials show as C(***).
  returned: always
  type: list
  elements: dict
  sample:
    - {area: settings, item: "7.Auto Arm after authorized number call-in(0~999)", from: "10", to: "30"}
    - {area: numbers, slot: 5, change: added, from: null, to: "+15555550100, always"}
message:
  description: The tool's word on the device, such as C(unchanged) or C(3 pages differ).
  returned: always
  type: str
"""

import json
import os

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.gsmgate.device.plugins.module_utils.gsmgate_cli import (
    CONNECTION_ARGS,
    CONNECTION_EXCLUSIVE,
    Cli,
    CliError,
    PrivateFile,
    check_wanted,
    mask_secrets,
    merge_configuration,
    parse_configuration,
    render_configuration,
)

FORMAT = "gsmgate configuration"


def wanted_document(config):
    document = {"format": FORMAT, "version": 1}
    document.update(config)
    return document


def like(value, model):
    """The value in the type the device's export gives the setting, so a
    diff does not show 30 against "30"."""
    if isinstance(model, int) and not isinstance(model, bool) and isinstance(value, str):
        if value.strip().isdigit():
            return int(value)
    if isinstance(model, str) and isinstance(value, int) and not isinstance(value, bool):
        return str(value)
    return value


def shown_after(before, wanted):
    after = merge_configuration(before, wanted)
    theirs = before.get("settings") or {}
    after["settings"] = dict((k, like(v, theirs.get(k))) for k, v in after["settings"].items())
    return after


def main():
    argument_spec = dict(
        config=dict(type="dict"),
        src=dict(type="path"),
        backup_dir=dict(type="path"),
    )
    argument_spec.update(CONNECTION_ARGS)
    module = AnsibleModule(
        argument_spec=argument_spec,
        mutually_exclusive=[("config", "src")] + CONNECTION_EXCLUSIVE,
        required_one_of=[("config", "src")],
        supports_check_mode=True,
    )
    params = module.params
    if params["config"] is not None:
        refusal = check_wanted(params["config"])
        if refusal:
            module.fail_json(msg=refusal)

    cli = Cli(module)
    result = dict(changed=False, backup="", changes=[], message="")
    try:
        before = cli.read_configuration() if module._diff else None

        def apply(path):
            args = ["config", "apply", path]
            if module.check_mode:
                args.append("--check")
            if params["backup_dir"]:
                args += ["--backup-dir", params["backup_dir"]]
            return cli.device(args)

        if params["src"]:
            if not os.path.isfile(params["src"]):
                module.fail_json(msg="src %s is no file on the managed host" % params["src"])
            device = apply(params["src"])
        else:
            # JSON is YAML: the tool reads it as the file it writes.
            text = json.dumps(wanted_document(params["config"]), ensure_ascii=False, indent=2)
            with PrivateFile(module, text) as path:
                device = apply(path)

        result["changed"] = bool(device.get("changed", False))
        result["backup"] = device.get("backup") or ""
        result["changes"] = device.get("changes") or []
        result["message"] = device.get("message") or ""

        if before is not None:
            if not result["changed"]:
                after = before
            elif params["src"]:
                with open(params["src"]) as f:
                    after = shown_after(before, parse_configuration(f.read()))
            else:
                after = shown_after(before, params["config"])
            result["diff"] = dict(
                before=render_configuration(mask_secrets(before)),
                after=render_configuration(mask_secrets(after, before)),
                before_header="%s (device)" % cli.port,
                after_header="%s (configured)" % cli.port,
            )
    except CliError as e:
        module.fail_json(msg=str(e), **result)
    module.exit_json(**result)


if __name__ == "__main__":
    main()
