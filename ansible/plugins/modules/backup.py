#!/usr/bin/python
# -*- coding: utf-8 -*-

from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r"""
---
module: backup
short_description: Take a backup of a GSM gate opener
version_added: "1.7.2"
description:
  - Reads the settings and number pages (and, with I(history), the event
    history) of the device on a serial port of the managed host into a
    backup file there (C(gsmgate-cli backup)), the file
    C(gsmgate-cli restore) puts back byte for byte.
  - A backup never replaces a file; name each one, for example after the
    host and the time.
requirements:
  - gsmgate-cli on the managed host (the gsmgate package)
options:
  port:
    description: The device's serial port on the managed host, such as C(/dev/ttyUSB0).
    type: str
    required: true
  dest:
    description:
      - Path of the backup file on the managed host. It must not exist yet;
        the file is readable by its owner alone.
    type: path
    required: true
  history:
    description: Read the 500 pages of the event history too.
    type: bool
    default: false
  password:
    description: The device password, handed to the tool in its environment.
    type: str
  password_file:
    description: A file on the managed host whose first line is the device password (mode 0600).
    type: path
  cli:
    description: Path of gsmgate-cli on the managed host; by default found in C(PATH).
    type: path
notes:
  - Supports check mode, in which nothing is read or written and the task
    reports that it would write the file.
seealso:
  - module: gsmgate.device.config
author:
  - gsmgate maintainers
"""

EXAMPLES = r"""
- name: A backup before the site's configuration is applied
  gsmgate.device.backup:
    port: /dev/ttyUSB0
    dest: "/var/backups/gsmgate/{{ inventory_hostname }}-{{ now(fmt='%Y%m%d-%H%M%S') }}.json"
"""

RETURN = r"""
dest:
  description: Path of the backup file written on the managed host.
  returned: always
  type: str
  sample: /var/backups/gsmgate/station-1-20261208-181844.json
sim_number:
  description: The SIM card number the device's settings hold (empty when none is set).
  returned: success, when not in check mode
  type: str
"""

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.gsmgate.device.plugins.module_utils.gsmgate_cli import (
    CONNECTION_ARGS,
    CONNECTION_EXCLUSIVE,
    Cli,
    CliError,
)


def main():
    argument_spec = dict(
        dest=dict(type="path", required=True),
        history=dict(type="bool", default=False),
    )
    argument_spec.update(CONNECTION_ARGS)
    module = AnsibleModule(
        argument_spec=argument_spec,
        mutually_exclusive=CONNECTION_EXCLUSIVE,
        supports_check_mode=True,
    )
    dest = module.params["dest"]
    cli = Cli(module)
    if module.check_mode:
        module.exit_json(changed=True, dest=dest)
    args = ["backup", dest]
    if module.params["history"]:
        args.append("--history")
    try:
        device = cli.device(args)
    except CliError as e:
        module.fail_json(msg=str(e), dest=dest)
    module.exit_json(changed=True, dest=dest, sim_number=device.get("simNumber") or "")


if __name__ == "__main__":
    main()
