#!/usr/bin/python3
"""Signs requests with botocore's own S3 signer, for comparison with ours.

Reads a JSON list of cases on stdin and writes one line per case on stdout, in the same
order: the address, a tab, and the Authorization header (empty for presigned cases). The address of each case is built here with botocore's percent-encoding,
so that both the encoding and the signature are checked, not only the hashing.

A case: kind ("header" or "presign"), method, bucket, key, region, time
("yyyymmddThhmmssZ"), access_key, secret_key, and optionally endpoint
("scheme://host[:port]", path-style addressing), domain (virtual-hosted, default
amazonaws.com), query (name to value), body (text, for the payload hash), expires.
"""
import datetime
import json
import sys
from unittest import mock

from botocore.auth import S3SigV4Auth, S3SigV4QueryAuth
from botocore.awsrequest import AWSRequest
from botocore.credentials import Credentials
from botocore.utils import percent_encode, percent_encode_sequence


def address(case):
    key = case["key"]
    key_path = "/" + percent_encode(key, safe="/~") if key else ""
    if case.get("endpoint"):
        return case["endpoint"] + "/" + percent_encode(case["bucket"]) + key_path
    domain = case.get("domain") or "amazonaws.com"
    host = f"{case['bucket']}.s3.{case['region']}.{domain}"
    return "https://" + host + (key_path or "/")


def sign(case):
    credentials = Credentials(case["access_key"], case["secret_key"])
    fixed = datetime.datetime.strptime(case["time"], "%Y%m%dT%H%M%SZ")

    class FixedClock(datetime.datetime):
        @classmethod
        def utcnow(cls):
            return fixed

    request = AWSRequest(
        method=case["method"],
        url=address(case),
        params=case.get("query") or {},
        data=case.get("body", "").encode("utf-8"),
    )
    with mock.patch("datetime.datetime", FixedClock):
        if case["kind"] == "presign":
            S3SigV4QueryAuth(credentials, "s3", case["region"], expires=case["expires"]).add_auth(
                request
            )
            return request.url, ""
        S3SigV4Auth(credentials, "s3", case["region"]).add_auth(request)
    # The query as botocore's S3 client writes it (percent-encoded, blanks as %20), in the
    # order given.
    query = case.get("query")
    url = address(case) + ("?" + percent_encode_sequence(query) if query else "")
    return url, request.headers["Authorization"]


def main():
    cases = json.load(sys.stdin)
    for url, authorization in map(sign, cases):
        sys.stdout.write(f"{url}\t{authorization}\n")


if __name__ == "__main__":
    main()
